// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CommandLine.h"
#include "HomographTable.h"

#include <QString>

#include <string>

// The folder of the running program, as QCoreApplication::applicationDirPath
// gives it, without an application object: that would switch the C library
// to the user's locale and change the tool's messages and number formats.
QString runningProgramFolder(const char* argv0);

// Loads the dictionary that the command line asks for. A file named with
// --dictionary is read as given, relative to the working directory. A
// variety's file is read by the window's rule: from data/ in the working
// directory when it is there, else from the installed data/ under
// `installedDataParent`. The word lists of --add-words follow, laid over it.
// A file without a single entry is refused like one that cannot be read.
struct ChosenDictionary
{
    std::string path;  // the file that was read
    std::string error; // the message for standard error; empty once loaded
};
ChosenDictionary loadChosenDictionary(const CommandLine& line, const QString& installedDataParent);

// The homograph table beside the variety's dictionary, or an empty table:
// for a file named with --dictionary, for --literal, and where there is none.
kestrano::HomographTable loadHomographTableFor(const CommandLine& line,
                                               const ChosenDictionary& dictionary);
