// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AmountSuffixes.h"

#include "StringFunctions.h"

namespace kestrano {
namespace {

// Symbols are matched exactly: "m" is metres, "M" nothing.
constexpr Unit units[] = {
    {u"km", {u"kilometre", u"kilometres"}, {u"kilometer", u"kilometers"}},
    {u"m", {u"metre", u"metres"}, {u"meter", u"meters"}},
    {u"cm", {u"centimetre", u"centimetres"}, {u"centimeter", u"centimeters"}},
    {u"mm", {u"millimetre", u"millimetres"}, {u"millimeter", u"millimeters"}},
    {u"kg", {u"kilogram", u"kilograms"}, {u"kilogram", u"kilograms"}},
    {u"g", {u"gram", u"grams"}, {u"gram", u"grams"}},
    {u"mg", {u"milligram", u"milligrams"}, {u"milligram", u"milligrams"}},
    {u"l", {u"litre", u"litres"}, {u"liter", u"liters"}},
    {u"L", {u"litre", u"litres"}, {u"liter", u"liters"}},
    {u"ml", {u"millilitre", u"millilitres"}, {u"milliliter", u"milliliters"}},
    {u"mL", {u"millilitre", u"millilitres"}, {u"milliliter", u"milliliters"}},
    // "Miles an hour" is what both varieties say aloud; "per" is stored in
    // its strong form, which the phrase does not have.
    {u"mph", {u"mile an hour", u"miles an hour"}, {u"mile an hour", u"miles an hour"}},
    {u"km/h",
     {u"kilometre an hour", u"kilometres an hour"},
     {u"kilometer an hour", u"kilometers an hour"}},
    {u"kph",
     {u"kilometre an hour", u"kilometres an hour"},
     {u"kilometer an hour", u"kilometers an hour"}},
    {u"lb", {u"pound", u"pounds"}, {u"pound", u"pounds"}},
    {u"lbs", {u"pound", u"pounds"}, {u"pound", u"pounds"}},
    {u"oz", {u"ounce", u"ounces"}, {u"ounce", u"ounces"}},
    {u"ft", {u"foot", u"feet"}, {u"foot", u"feet"}},
    {u"kW", {u"kilowatt", u"kilowatts"}, {u"kilowatt", u"kilowatts"}},
    {u"kWh", {u"kilowatt hour", u"kilowatt hours"}, {u"kilowatt hour", u"kilowatt hours"}},
    {u"MB", {u"megabyte", u"megabytes"}, {u"megabyte", u"megabytes"}},
    {u"GB", {u"gigabyte", u"gigabytes"}, {u"gigabyte", u"gigabytes"}},
    {u"TB", {u"terabyte", u"terabytes"}, {u"terabyte", u"terabytes"}},
    {u"MHz", {u"megahertz", u"megahertz"}, {u"megahertz", u"megahertz"}},
    {u"GHz", {u"gigahertz", u"gigahertz"}, {u"gigahertz", u"gigahertz"}},
    {u"h", {u"hour", u"hours"}, {u"hour", u"hours"}},
    {u"hr", {u"hour", u"hours"}, {u"hour", u"hours"}},
    {u"hrs", {u"hour", u"hours"}, {u"hour", u"hours"}},
    {u"min", {u"minute", u"minutes"}, {u"minute", u"minutes"}},
    {u"mins", {u"minute", u"minutes"}, {u"minute", u"minutes"}},
    {u"sec", {u"second", u"seconds"}, {u"second", u"seconds"}},
    {u"secs", {u"second", u"seconds"}, {u"second", u"seconds"}},
    {u"%", {u"percent", u"percent"}, {u"percent", u"percent"}},
    {u"\u00B0", {u"degree", u"degrees"}, {u"degree", u"degrees"}},
    {u"\u00BA", {u"degree", u"degrees"}, {u"degree", u"degrees"}},
    {u"\u00B0C", {u"degree Celsius", u"degrees Celsius"}, {u"degree Celsius", u"degrees Celsius"}},
    {u"\u00BAC", {u"degree Celsius", u"degrees Celsius"}, {u"degree Celsius", u"degrees Celsius"}},
    {u"\u2103", {u"degree Celsius", u"degrees Celsius"}, {u"degree Celsius", u"degrees Celsius"}},
    {u"\u00B0F",
     {u"degree Fahrenheit", u"degrees Fahrenheit"},
     {u"degree Fahrenheit", u"degrees Fahrenheit"}},
    {u"\u00BAF",
     {u"degree Fahrenheit", u"degrees Fahrenheit"},
     {u"degree Fahrenheit", u"degrees Fahrenheit"}},
    {u"\u2109",
     {u"degree Fahrenheit", u"degrees Fahrenheit"},
     {u"degree Fahrenheit", u"degrees Fahrenheit"}},
};

constexpr Currency currencies[] = {
    {u'\u00A3', {u"pound", u"pounds"}, {u"penny", u"pence"}},
    {u'$', {u"dollar", u"dollars"}, {u"cent", u"cents"}},
    {u'\u20AC', {u"euro", u"euros"}, {u"cent", u"cents"}},
    {u'\u00A5', {u"yen", u"yen"}, {u"", u""}},
};

constexpr VulgarFraction vulgarFractions[] = {
    {u'\u00BD', 1, 2}, {u'\u2153', 1, 3}, {u'\u2154', 2, 3},  {u'\u00BC', 1, 4}, {u'\u00BE', 3, 4},
    {u'\u2155', 1, 5}, {u'\u2156', 2, 5}, {u'\u2157', 3, 5},  {u'\u2158', 4, 5}, {u'\u2159', 1, 6},
    {u'\u215A', 5, 6}, {u'\u2150', 1, 7}, {u'\u215B', 1, 8},  {u'\u215C', 3, 8}, {u'\u215D', 5, 8},
    {u'\u215E', 7, 8}, {u'\u2151', 1, 9}, {u'\u2152', 1, 10},
};

} // namespace

bool isCurrency(char16_t sign)
{
    return sign == u'\u00A3' || sign == u'$' || sign == u'\u20AC' || sign == u'\u00A5';
}

const Unit* findUnit(std::u16string_view symbol)
{
    for (const Unit& unit : units) {
        if (unit.symbol == symbol) {
            return &unit;
        }
    }
    return nullptr;
}

const Currency& currencyOf(char16_t sign)
{
    for (const Currency& currency : currencies) {
        if (currency.sign == sign) {
            return currency;
        }
    }
    return currencies[0];
}

// "£5m", "$2.5bn", "£500k", "£3 billion".
std::u16string_view multiplierWord(std::u16string_view suffix)
{
    const std::u16string word = lowerAsciiLetters(suffix);
    if (word == u"k" || word == u"thousand") {
        return u"thousand";
    }
    if (word == u"m" || word == u"mn" || word == u"million") {
        return u"million";
    }
    if (word == u"bn" || word == u"billion") {
        return u"billion";
    }
    if (word == u"tn" || word == u"trn" || word == u"trillion") {
        return u"trillion";
    }
    return {};
}

int meridiem(std::u16string_view suffix)
{
    const std::u16string word = lowerAsciiLetters(suffix);
    if (word == u"am" || word == u"a.m." || word == u"a.m") {
        return 1;
    }
    if (word == u"pm" || word == u"p.m." || word == u"p.m") {
        return 2;
    }
    return 0;
}

const VulgarFraction* vulgarFraction(std::u16string_view text)
{
    for (const VulgarFraction& fraction : vulgarFractions) {
        if (text.size() == 1 && text[0] == fraction.sign) {
            return &fraction;
        }
    }
    return nullptr;
}

} // namespace kestrano
