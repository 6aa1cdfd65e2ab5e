// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A guess and the dictionary generator's entry for the same word come from
// the same espeak-ng voice through the same mapping, so they must agree:
// checked on words drawn at random from the espeak-ng entries of the
// committed files. Left out are the possessives whose stem has an entry of
// its own: the generator ends those on the stem's code, whatever espeak-ng
// said, and the engine derives them from the stem, so no guess is ever
// asked for one. Run it again whenever the files or the generator's rules
// change; it prints every word that differs.

#include "EspeakGuesser.h"
#include "TableData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <random>
#include <sstream>

namespace {

struct Sample
{
    const char* file;
    const char* source; // field 1 of the entries that espeak-ng said
    kestrano::EspeakVoice voice;
};

constexpr std::size_t sampleSize = 2000;
constexpr double agreementWanted = 0.99;

std::u16string widened(const std::string& ascii)
{
    return {ascii.begin(), ascii.end()};
}

std::string withoutStress(std::string code)
{
    std::erase_if(code, [](char unit) { return unit == '\'' || unit == '"'; });
    return code;
}

// Word and code of the lines whose field 1 is `source`, but for the
// possessives of the file's other words.
std::vector<std::pair<std::string, std::string>> saidBy(const std::string& path,
                                                        const std::string& source)
{
    std::map<std::string, std::pair<std::string, std::string>> file; // word -> source, code
    std::istringstream lines(readFile(path));
    for (std::string line; std::getline(lines, line);) {
        const std::size_t first = line.find('\t');
        const std::size_t second = line.find('\t', first + 1);
        if (second != std::string::npos) {
            file[line.substr(first + 1, second - first - 1)] = {line.substr(0, first),
                                                                line.substr(second + 1)};
        }
    }
    std::vector<std::pair<std::string, std::string>> entries;
    for (const auto& [word, entry] : file) {
        const bool stemHasEntry =
            word.ends_with("'s") && file.contains(word.substr(0, word.size() - 2));
        if (entry.first == source && !stemHasEntry) {
            entries.emplace_back(word, entry.second);
        }
    }
    return entries;
}

} // namespace

class GuessAgreement : public testing::TestWithParam<Sample>
{
};

INSTANTIATE_TEST_SUITE_P(Varieties, GuessAgreement,
                         testing::Values(Sample{"lexora_eng_transcription.txt", "espeak-en-gb",
                                                kestrano::EspeakVoice::EnGb},
                                         Sample{"american_transcription-abridged.txt",
                                                "espeak-en-us", kestrano::EspeakVoice::EnUs}),
                         [](const auto& info) {
                             return info.param.voice == kestrano::EspeakVoice::EnGb ? "British"
                                                                                    : "American";
                         });

TEST_P(GuessAgreement, GuessesAgreeWithTheGeneratedEntriesStressAside)
{
    const Sample& sample = GetParam();
    auto entries = saidBy(KESTRANO_DATA_DIR "/" + std::string(sample.file), sample.source);
    ASSERT_GE(entries.size(), sampleSize);
    // The same words on every run and every machine: a fixed seed, and no
    // distribution whose results the standard leaves to the library.
    std::mt19937_64 random(21);
    for (std::size_t i = 0; i < sampleSize; ++i) {
        std::swap(entries[i], entries[i + random() % (entries.size() - i)]);
    }
    entries.resize(sampleSize);
    std::sort(entries.begin(), entries.end()); // printed in alphabetical order

    const kestrano::EspeakGuesser guesser(sample.voice);
    std::size_t agreeing = 0;
    for (const auto& [word, code] : entries) {
        const std::u16string guess = guesser.guess(widened(word));
        const std::string guessed(guess.begin(), guess.end());
        if (withoutStress(guessed) == withoutStress(code)) {
            ++agreeing;
        } else {
            std::cout << word << "\tentry " << code << "\tguess " << guessed << '\n';
        }
    }
    std::cout << sample.source << ": " << agreeing << " of " << sampleSize << " agree\n";
    EXPECT_EQ(guesser.unavailableReason(), "");
    EXPECT_GE(static_cast<double>(agreeing), agreementWanted * sampleSize);
}
