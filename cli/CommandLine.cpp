// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLine.h"

#include <optional>

namespace {

// Options that each make sense alone but not together.
std::string conflictingOptions(const CommandLine& line)
{
    if (line.plainText + line.json + line.wordList > 1) {
        return "choose one of --text, --json and --words";
    }
    if (!line.includeOriginalText && line.json) {
        return "--no-original does not go with --json, which always holds the original text";
    }
    if (!line.includeOriginalText && line.wordList) {
        return "--no-original does not go with --words, whose lines start with their entry";
    }
    return {};
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine line;
    std::string varietyPath = kestrano::americanDictionaryPath;
    std::optional<std::string> explicitDictionary;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument == "-" || !argument.starts_with("-")) {
            line.inputs.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--british") {
            varietyPath = kestrano::britishDictionaryPath;
            line.british = true;
        } else if (argument == "--american") {
            varietyPath = kestrano::americanDictionaryPath;
            line.british = false;
        } else if (argument == "--literal") {
            line.literal = true;
        } else if (argument == "--guess") {
            line.guess = true;
        } else if (argument == "--no-original") {
            line.includeOriginalText = false;
        } else if (argument == "--cyrillic") {
            line.transliterate = true;
        } else if (argument == "--text" || argument == "-t") {
            line.plainText = true;
        } else if (argument == "--json" || argument == "-j") {
            line.json = true;
        } else if (argument == "--words" || argument == "-w") {
            line.wordList = true;
        } else if (argument == "--help" || argument == "-h") {
            line.showHelp = true;
        } else if (argument == "--version") {
            line.showVersion = true;
        } else if (argument == "--dictionary") {
            if (i + 1 == arguments.size()) {
                line.error = "--dictionary needs a file";
                return line;
            }
            explicitDictionary = arguments[++i];
        } else if (argument.starts_with("--dictionary=")) {
            explicitDictionary = argument.substr(std::string("--dictionary=").size());
            if (explicitDictionary->empty()) {
                line.error = "--dictionary needs a file";
                return line;
            }
        } else if (argument == "--add-words") {
            if (i + 1 == arguments.size()) {
                line.error = "--add-words needs a file";
                return line;
            }
            line.wordLists.push_back(arguments[++i]);
        } else if (argument.starts_with("--add-words=")) {
            line.wordLists.push_back(argument.substr(std::string("--add-words=").size()));
            if (line.wordLists.back().empty()) {
                line.error = "--add-words needs a file";
                return line;
            }
        } else {
            line.error = "unknown option '" + argument + "'";
            return line;
        }
    }
    line.dictionaryPath = explicitDictionary.value_or(varietyPath);
    line.variety = explicitDictionary                               ? ""
                   : varietyPath == kestrano::britishDictionaryPath ? "british"
                                                                    : "american";
    line.error = conflictingOptions(line);
    if (line.inputs.empty()) {
        line.inputs.push_back("-");
    }
    return line;
}

// Every option whose long name is shorter than seven characters has a
// one-letter form as well: help2man's page sets so short a tag on the line of
// its description, and every other option above it.
std::string usageText()
{
    return "Usage: kestrano-cli [OPTION]... [FILE]...\n"
           "Transcribes English text into IPA, one paragraph per sentence, and writes the\n"
           "HTML document of the Transcribe button to standard output in UTF-8.\n"
           "\n"
           "Options:\n"
           "      --american           American pronunciation (default):\n"
           "                           data/american_transcription-abridged.txt\n"
           "      --british            British pronunciation:\n"
           "                           data/lexora_eng_transcription.txt\n"
           "      --dictionary FILE    read the pronunciations from FILE instead;\n"
           "                           --british or --american still says how numbers\n"
           "                           are read\n"
           "      --add-words FILE     read more words from FILE, in the same format,\n"
           "                           after the dictionary: they add to it and override\n"
           "                           it; may be given more than once, a later file\n"
           "                           winning\n"
           "      --guess              guess words that no dictionary holds from their\n"
           "                           spelling (espeak-ng's rules, in the variety's\n"
           "                           voice) and show the guess's IPA in the brackets\n"
           "                           instead of the word\n"
           "      --literal            transcribe word by word as typed: no reading of\n"
           "                           numbers, symbols and joined words, no homographs\n"
           "                           chosen from their context\n"
           "      --no-original        leave each sentence's original text out\n"
           "      --cyrillic           write the transcriptions in Cyrillic letters\n"
           "  -t, --text               plain text: each sentence on one line, its\n"
           "                           transcription on the next, a blank line between\n"
           "  -j, --json               JSON: the dictionary used and every sentence with\n"
           "                           its transcription and words (each word's code,\n"
           "                           IPA and whether it came from the dictionary, from\n"
           "                           a stem and suffix, from the reading of a number\n"
           "                           or symbol, from its context, was guessed or not\n"
           "                           found)\n"
           "  -w, --words              word list: each input line is an entry; writes the\n"
           "                           entry, a TAB and its transcription, one line each\n"
           "  -h, --help               show this help\n"
           "      --version            show the version\n"
           "\n"
           "FILEs are read as UTF-8 and joined in order; with no FILE, or where FILE is -,\n"
           "standard input is read. The line feed that ends the whole input ends its last\n"
           "line and is not an empty sentence; a blank line inside the input still gives\n"
           "its paragraph, as in the window.\n"
           "\n"
           "The variety's file is read from data/ in the working directory when it is\n"
           "there, and otherwise from the installed dictionaries (for the Debian package\n"
           "/usr/share/kestrano/data/), with the homograph table homographs.txt beside it\n"
           "when there is one. --dictionary FILE is read as given, relative to the\n"
           "working directory, without a homograph table. A dictionary or word list is a\n"
           "text file with one entry a line: number<TAB>word<TAB>code, the code in\n"
           "PhonemeCode letters (see kestrano(1)). The window's personal word lists are\n"
           "not read here; name them with --add-words.\n"
           "\n"
           "Exit status:\n"
           "  0  success\n"
           "  1  a file cannot be read, is not UTF-8, or holds no entry, no dictionary\n"
           "     was found, or --guess cannot load espeak-ng\n"
           "  2  bad options\n";
}
