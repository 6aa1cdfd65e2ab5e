// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the window and the command-line tool look for the two dictionaries
// and the homograph table, relative to the working directory.
namespace kestrano {

inline constexpr char britishDictionaryPath[] = "data/lexora_eng_transcription.txt";
inline constexpr char americanDictionaryPath[] = "data/american_transcription-abridged.txt";
// The homographs' readings for both varieties; optional.
inline constexpr char homographPath[] = "data/homographs.txt";

} // namespace kestrano
