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
        } else if (argument == "--guess") {
            line.guess = true;
        } else if (argument == "--no-original") {
            line.includeOriginalText = false;
        } else if (argument == "--cyrillic") {
            line.transliterate = true;
        } else if (argument == "--text") {
            line.plainText = true;
        } else if (argument == "--json") {
            line.json = true;
        } else if (argument == "--words") {
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
        } else if (argument == "--add-words") {
            if (i + 1 == arguments.size()) {
                line.error = "--add-words needs a file";
                return line;
            }
            line.wordLists.push_back(arguments[++i]);
        } else if (argument.starts_with("--add-words=")) {
            line.wordLists.push_back(argument.substr(std::string("--add-words=").size()));
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

std::string usageText()
{
    return "Usage: kestrano-cli [OPTION]... [FILE]...\n"
           "Transcribes English text into IPA, one paragraph per sentence, and writes the\n"
           "HTML document of the Transcribe button to standard output in UTF-8.\n"
           "\n"
           "Options:\n"
           "  --american         American pronunciation (default):\n"
           "                     data/american_transcription-abridged.txt\n"
           "  --british          British pronunciation: data/lexora_eng_transcription.txt\n"
           "  --dictionary FILE  read the pronunciations from FILE instead\n"
           "  --add-words FILE   read more words from FILE, in the same format, after the\n"
           "                     dictionary: they add to it and override it; may be\n"
           "                     given more than once, a later file winning\n"
           "  --guess            guess words that no dictionary holds from their spelling\n"
           "                     (espeak-ng's rules, in the variety's voice) and show\n"
           "                     the guess's IPA in the brackets instead of the word\n"
           "  --no-original      leave each sentence's original text out\n"
           "  --cyrillic         write the transcriptions in Cyrillic letters\n"
           "  --text             plain text: each sentence on one line, its\n"
           "                     transcription on the next, a blank line between\n"
           "  --json             JSON: the dictionary used and every sentence with its\n"
           "                     transcription and words (each word's code, IPA and\n"
           "                     whether it came from the dictionary, from a stem and\n"
           "                     suffix, was guessed or not found)\n"
           "  --words            word list: each input line is an entry; writes the\n"
           "                     entry, a TAB and its transcription, one line each\n"
           "  -h, --help         show this help\n"
           "      --version      show the version\n"
           "\n"
           "FILEs are read as UTF-8 and joined in order; with no FILE, or where FILE is -,\n"
           "standard input is read. The line feed that ends the whole input ends its last\n"
           "line and is not an empty sentence; a blank line inside the input still gives\n"
           "its paragraph, as in the window.\n"
           "\n"
           "The variety's file is read from data/ in the working directory when it is\n"
           "there, and otherwise from the installed dictionaries (for the Debian package\n"
           "/usr/share/kestrano/data/). --dictionary FILE is read as given, relative to\n"
           "the working directory. A dictionary or word list is a text file with one\n"
           "entry a line: number<TAB>word<TAB>code, the code in PhonemeCode letters\n"
           "(see kestrano(1)). The window's personal word lists are not read here;\n"
           "name them with --add-words.\n"
           "\n"
           "Exit status:\n"
           "  0  success\n"
           "  1  a file cannot be read, is not UTF-8, or holds no entry, no dictionary\n"
           "     was found, or --guess cannot load espeak-ng\n"
           "  2  bad options\n";
}
