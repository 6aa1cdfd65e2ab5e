// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DataFolder.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The program lies in bin/ and names its installed data relative to that, as
// bin/../share/kestrano; the working directory is home/.
TEST(EnterInstalledDataFolder, WhenTheWorkingDirectoryHoldsNoDictionary)
{
    // The file in the working directory, the file in the installation, and
    // whether the program moves there.
    const std::tuple<QString, QString, bool> cases[] = {
        {"", "data/LICENSES", true}, // started from a menu; data/ need hold no dictionary
        {"data/lexora_eng_transcription.txt", "data/LICENSES", false},
        {"data/american_transcription-abridged.txt", "data/LICENSES", false},
        {"data/notes.txt", "data/LICENSES", true},
        {"", "LICENSES", false}, // an installation without its data/
    };
    const QString started = QDir::currentPath();
    for (const auto& [workingFile, installedFile, moved] : cases) {
        QTemporaryDir root;
        for (const QString& file : {"home/" + workingFile, "share/kestrano/" + installedFile}) {
            ASSERT_TRUE(QDir().mkpath(root.filePath(QFileInfo(file).path())));
            ASSERT_TRUE(file.endsWith('/') ||
                        QFile(root.filePath(file)).open(QIODevice::WriteOnly));
        }
        ASSERT_TRUE(QDir().mkpath(root.filePath("bin")) && QDir::setCurrent(root.filePath("home")));
        EXPECT_EQ(kestrano::enterInstalledDataFolder(root.filePath("bin/../share/kestrano")), moved)
            << workingFile.toStdString() << " " << installedFile.toStdString();
        EXPECT_EQ(QDir::current(), QDir(root.filePath(moved ? "share/kestrano" : "home")));
        QDir::setCurrent(started);
    }
}
