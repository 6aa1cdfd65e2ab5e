#pragma once

#include <string>
#include <vector>

struct CommandLine
{
    std::string dictionaryPath = "data/american_transcription-abridged.txt";
    bool includeOriginalText = true;
    bool transliterate = false;
    bool plainText = false;
    bool showHelp = false;
    bool showVersion = false;
    std::vector<std::string> inputs; // "-" is standard input
    std::string error;               // set when the arguments make no sense
};

inline constexpr const char* britishDictionaryPath = "data/lexora_eng_transcription.txt";
inline constexpr const char* americanDictionaryPath = "data/american_transcription-abridged.txt";

// Reads the arguments after the program name. --british and --american pick
// the variety's file (the last one given wins); --dictionary overrides both.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

std::string usageText();
