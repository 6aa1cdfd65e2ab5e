// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CyrillicTransliteration.h"

#include "StringFunctions.h"

#include <string_view>
#include <unordered_map>

namespace kestrano {
namespace {

struct Row
{
    char16_t from;
    std::u16string_view to;
};

// θ, ð, w and æ map to capitals on purpose: they have no Cyrillic letter of
// their own, and the capitals make the approximation visible to the reader.
constexpr Row rows[] = {
    {u'p', u"п"},       {u'b', u"б"},       {u't', u"т"},           {u'd', u"д"},
    {u'k', u"к"},       {u'g', u"г"},       {u'\u0261', u"г"},      {u'f', u"ф"},
    {u'v', u"в"},       {u'\u03B8', u"СС"}, {u'\u00F0', u"ЗЗ"},     {u's', u"с"},
    {u'z', u"з"},       {u'\u0283', u"ш"},  {u'\u0292', u"ж"},      {u'h', u"х"},
    {u'\u02A7', u"ч"},  {u'\u02A4', u"дж"}, {u'm', u"м"},           {u'n', u"н"},
    {u'\u014B', u"нг"}, {u'w', u"У"},       {u'l', u"л"},           {u'r', u"р"},
    {u'j', u"й"},       {u'\u026A', u"и"},  {u'e', u"э"},           {u'\u00E6', u"Э"},
    {u'\u0252', u"о"},  {u'\u028C', u"а"},  {u'u', u"у"},           {u'\u028A', u"у"},
    {u'\u0259', u"э"},  {u'i', u"и"},       {u'\u0251', u"а"},      {u'\u0254', u"о"},
    {u'\u025C', u"э"},  {u'o', u"о"},       {u'a', u"а"},           {u':', u":"},
    {u'\u02D0', u":"},  {u'\'', u"'"},      {u'\u02C8', u"\u02C8"}, {u'\u02CC', u"\u02CC"},
    {u' ', u" "},       {u'[', u"["},       {u']', u"]"},           {u',', u","},
    {u';', u";"},       {u'(', u"("},       {u')', u")"},           {u'/', u"/"},
};

const std::unordered_map<char16_t, std::u16string_view>& table()
{
    static const std::unordered_map<char16_t, std::u16string_view> map = [] {
        std::unordered_map<char16_t, std::u16string_view> filled;
        for (const Row& row : rows) {
            filled.emplace(row.from, row.to);
        }
        return filled;
    }();
    return map;
}

} // namespace

std::u16string transliterateToCyrillic(std::u16string ipa)
{
    const auto& map = table();
    std::u16string cyrillic;
    cyrillic.reserve(ipa.size());
    for (char16_t unit : ipa) {
        if (const auto it = map.find(unit); it != map.end()) {
            cyrillic += it->second;
        }
    }
    return replaceAll(std::move(cyrillic), u"тш", u"ч");
}

} // namespace kestrano
