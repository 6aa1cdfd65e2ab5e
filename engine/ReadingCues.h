// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>

// The words around a number or a Roman number that say how it is read, all
// in lower case.
namespace kestrano::cues {

// Words after which a four-digit number is a year.
inline constexpr std::array<std::u16string_view, 40> yearCues = {
    u"in",       u"since",  u"by",     u"until", u"till",   u"before",    u"after",    u"during",
    u"from",     u"circa",  u"c",      u"ca",    u"year",   u"early",     u"late",     u"mid",
    u"spring",   u"summer", u"autumn", u"fall",  u"winter", u"january",   u"february", u"march",
    u"april",    u"may",    u"june",   u"july",  u"august", u"september", u"october",  u"november",
    u"december", u"jan",    u"feb",    u"aug",   u"sept",   u"oct",       u"nov",      u"dec"};

inline constexpr std::array<std::u16string_view, 7> weekdays = {
    u"monday", u"tuesday", u"wednesday", u"thursday", u"friday", u"saturday", u"sunday"};

inline constexpr std::array<std::u16string_view, 12> months = {
    u"january", u"february", u"march",     u"april",   u"may",      u"june",
    u"july",    u"august",   u"september", u"october", u"november", u"december"};

inline constexpr std::array<std::u16string_view, 4> eras = {u"AD", u"BC", u"BCE", u"CE"};

// Words around "3-2" that make it a score.
inline constexpr std::array<std::u16string_view, 27> scoreCuesBefore = {
    u"won",     u"win",      u"wins",     u"winning", u"lost",   u"lose",     u"loses",
    u"losing",  u"beat",     u"beats",    u"beating", u"beaten", u"defeated", u"drew",
    u"draw",    u"draws",    u"drawing",  u"drawn",   u"tied",   u"led",      u"leading",
    u"trailed", u"trailing", u"thrashed", u"edged",   u"score",  u"scored"};
inline constexpr std::array<std::u16string_view, 9> scoreCuesAfter = {
    u"win", u"victory", u"defeat", u"loss", u"draw", u"lead", u"scoreline", u"home", u"away"};

// Monarchs and popes, whose numbers are ordinals: Henry VIII, the eighth.
inline constexpr std::array<std::u16string_view, 62> regnalNames = {
    u"henry",    u"edward",      u"george",    u"william",  u"elizabeth", u"charles",  u"james",
    u"richard",  u"mary",        u"anne",      u"louis",    u"john",      u"paul",     u"benedict",
    u"pius",     u"leo",         u"gregory",   u"innocent", u"clement",   u"urban",    u"boniface",
    u"sixtus",   u"julius",      u"alexander", u"philip",   u"frederick", u"peter",    u"catherine",
    u"nicholas", u"ivan",        u"ferdinand", u"isabella", u"napoleon",  u"alfonso",  u"carlos",
    u"juan",     u"felipe",      u"gustav",    u"gustavus", u"christian", u"harold",   u"stephen",
    u"david",    u"robert",      u"malcolm",   u"kenneth",  u"edmund",    u"ethelred", u"ramesses",
    u"ptolemy",  u"constantine", u"otto",      u"wilhelm",  u"ludwig",    u"rudolf",   u"francis",
    u"joseph",   u"leopold",     u"victor",    u"haakon",   u"olaf",      u"harald"};

// Nouns whose Roman numbers are cardinals: World War II, Part IV.
inline constexpr std::array<std::u16string_view, 20> numberedNouns = {
    u"war",     u"part",    u"chapter",  u"act",      u"scene",    u"volume", u"book",
    u"section", u"article", u"title",    u"type",     u"phase",    u"stage",  u"grade",
    u"class",   u"level",   u"category", u"schedule", u"appendix", u"series"};

} // namespace kestrano::cues
