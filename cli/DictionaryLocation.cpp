// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DictionaryLocation.h"

#include "DataFolder.h"
#include "PronunciationDictionary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString runningProgramFolder(const char* argv0)
{
    // Linux names the program's own file here even when it was found by PATH.
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (self.isSymLink()) {
        return QFileInfo(self.symLinkTarget()).absolutePath();
    }
    return QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath();
}

namespace {

std::string notFoundMessage(const QString& dictionaryPath, const QString& installedDataParent)
{
    QStringList places;
    for (const QString& folder : kestrano::dataFolderCandidates(installedDataParent)) {
        places += QDir(folder).filePath(dictionaryPath);
    }
    const QString last = places.takeLast();
    const QString looked = places.isEmpty()
                               ? last
                               : places.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
    return "cannot find dictionary '" + dictionaryPath.toStdString() + "', looked for " +
           looked.toStdString() + "; name a dictionary file with --dictionary FILE";
}

// A file of text in another format would otherwise leave every word
// untranscribed, which looks like a fault of the program.
std::string noEntryMessage(const std::string& kind, const std::string& path)
{
    return kind + " '" + path + "' holds no entry; each line must be number<TAB>word<TAB>code, " +
           "such as 1<TAB>hello<TAB>hq'lqu";
}

std::string addWordLists(const std::vector<std::string>& paths)
{
    for (const std::string& path : paths) {
        const kestrano::DictionaryLoadResult added = kestrano::addWordList(path);
        if (!added) {
            return "cannot read word list '" + path + "': " + added.reason;
        }
        if (added.entries == 0) {
            return noEntryMessage("word list", path);
        }
    }
    return {};
}

} // namespace

ChosenDictionary loadChosenDictionary(const CommandLine& line, const QString& installedDataParent)
{
    // A named file keeps its bytes: a file name need not be valid UTF-8.
    std::string path = line.dictionaryPath;
    if (!line.dictionaryNamed()) {
        const QString relative = QString::fromStdString(line.dictionaryPath);
        const QString folder = kestrano::dataFolderFor({relative}, installedDataParent);
        if (!folder.isEmpty()) {
            path = QFile::encodeName(QDir(folder).filePath(relative)).toStdString();
        }
        if (!QFileInfo::exists(QFile::decodeName(path.c_str()))) {
            return {path, notFoundMessage(relative, installedDataParent)};
        }
    }
    const kestrano::DictionaryLoadResult loaded = kestrano::loadDictionary(path);
    if (!loaded) {
        return {path, "cannot read dictionary '" + path + "': " + loaded.reason};
    }
    if (loaded.entries == 0) {
        return {path, noEntryMessage("dictionary", path)};
    }
    return {path, addWordLists(line.wordLists)};
}

kestrano::HomographTable loadHomographTableFor(const CommandLine& line,
                                               const ChosenDictionary& dictionary)
{
    if (line.literal || line.dictionaryNamed()) {
        return {};
    }
    const QString folder = QFileInfo(QFile::decodeName(dictionary.path.c_str())).path();
    const QString table =
        QDir(folder).filePath(QFileInfo(QString::fromLatin1(kestrano::homographPath)).fileName());
    return kestrano::loadHomographTable(QFile::encodeName(table).toStdString());
}
