// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "DictionaryPaths.h"
#include "Variety.h"

struct CommandLine
{
    std::string dictionaryPath = kestrano::americanDictionaryPath;
    bool includeOriginalText = true;
    bool transliterate = false;
    bool plainText = false;
    bool json = false;
    bool wordList = false;
    std::string variety = "american"; // "british", or empty when --dictionary names the file
    // A file named by --dictionary is read as given and never looked for.
    bool dictionaryNamed() const { return variety.empty(); }
    // The last of --british and --american, which also says whose voice
    // guesses when --dictionary names the file.
    bool british = false;
    bool guess = false;
    std::vector<std::string> wordLists; // --add-words, in order
    bool literal = false;               // no reading step, no context rules
    bool showHelp = false;
    bool showVersion = false;
    std::vector<std::string> inputs; // "-" is standard input
    std::string error;               // set when the arguments make no sense
};

// Reads the arguments after the program name. --british and --american pick
// the variety's file (the last one given wins); --dictionary overrides both.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

std::string usageText();
