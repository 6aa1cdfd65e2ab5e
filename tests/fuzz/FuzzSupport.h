// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PronunciationDictionary.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// A broken invariant stops the run: libFuzzer keeps the input as a crash, and
// the replay program fails on it.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition);           \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// The input as 16-bit units, two bytes each, little-endian as UTF-16 files
// are usually stored; an odd last byte is dropped. Every unit can occur: NUL,
// lone surrogates and both halves of pairs.
inline std::u16string unitsOf(const std::uint8_t* data, std::size_t size)
{
    std::u16string units(size / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    }
    return units;
}

// A few words picked for the rules they reach: the weak forms of "the" and
// "to", linking r ("far", "care", "for", "sure"), stems for -ing, -s, -d,
// -er, -est and -ly, a code that splits into several parts ("over"), a code
// with spaces as numbers have ("21"), an empty code, an apostrophe and the
// spelt-out "a.m.".
inline const kestrano::PronunciationDictionary& fuzzDictionary()
{
    static const auto dictionary = kestrano::PronunciationDictionary::fromFileText(
        "0\tthe\tDJ\n0\tto\ttu\n0\tfar\tfR\n0\taway\tq'weI\n0\tapple\t'xpl\n0\tcare\tkeq\n"
        "0\tfor\tfq\n0\tsure\tSuq\n0\tstar\tstR\n0\trun\trAn\n0\tmake\tmeIk\n0\tbig\tbIg\n"
        "0\tcool\tkHl\n0\thappy\t'hxpi\n0\tcat\tkxt\n0\tbox\tbPks\n0\ttry\ttraI\n"
        "0\tstop\tstPp\n0\tjudge\tGAG\n0\tover\t'ou_vq_kR\n0\ta\tq\n0\tit's\tIts\n"
        "0\teyem\t\"eI'em\n0\tblank\t\n0\t21\t'twenti 'wAn\n");
    return dictionary;
}
