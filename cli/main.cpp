// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLine.h"
#include "DataFolder.h"
#include "DictionaryLocation.h"
#include "EspeakGuesser.h"
#include "InputText.h"
#include "JsonOutput.h"
#include "TranscriptionDocument.h"
#include "WordListOutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* programName = "kestrano-cli";

// The message on a line of its own, named by the program as every other
// tool's is, and any hint after it.
int fail(const std::string& message, const std::string& hint = {})
{
    std::fprintf(stderr, "%s: %s\n", programName, message.c_str());
    if (!hint.empty()) {
        std::fprintf(stderr, "%s\n", hint.c_str());
    }
    return 1;
}

QString composePlainText(const QString& inputText, bool includeOriginalText, bool transliterate,
                         const kestrano::TranscriptionEngine& engine)
{
    const QStringList pieces = transcriptionPieces(inputText);
    QString text;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0) {
            text += u'\n';
        }
        if (includeOriginalText) {
            text += pieces[i].trimmed();
            text += u'\n';
        }
        text += QString::fromStdU16String(transcribePiece(engine, pieces[i], transliterate));
        text += u'\n';
    }
    return text;
}

// The window's document ends at "</html>"; a text file's last line ends with
// a line feed, so that the shell prompt after it starts a line of its own.
QString composeHtmlFile(const QString& inputText, bool includeOriginalText, bool transliterate,
                        const kestrano::TranscriptionEngine& engine)
{
    return composeTranscriptionDocument(inputText, {includeOriginalText, transliterate}, engine) +
           u'\n';
}

} // namespace

int main(int argc, char* argv[])
{
    const CommandLine line = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!line.error.empty()) {
        // The whole usage would scroll the one line that matters away.
        fail(line.error, std::string("Try '") + programName + " --help' for more information.");
        return 2;
    }
    if (line.showHelp) {
        std::fputs(usageText().c_str(), stdout);
        return 0;
    }
    if (line.showVersion) {
        std::printf("%s %s\n", programName, KESTRANO_VERSION);
        return 0;
    }

    QString inputText;
    for (const std::string& path : line.inputs) {
        InputText input = readInputText(path);
        if (!input.error.empty()) {
            return fail(input.error, input.hint);
        }
        if (line.wordList && !inputText.isEmpty() && !inputText.endsWith(u'\n')) {
            inputText += u'\n'; // an entry never runs on into the next file
        }
        inputText += input.text;
    }
    // A file's last line ends with a line feed like every other; it does not
    // begin an empty one, so it must not make an empty sentence. A blank line
    // inside the text is still one.
    if (inputText.endsWith(u'\n')) {
        inputText.chop(1);
    }

    const ChosenDictionary dictionary =
        loadChosenDictionary(line, kestrano::installedDataParent(runningProgramFolder(argv[0])));
    if (!dictionary.error.empty()) {
        return fail(dictionary.error);
    }

    std::optional<kestrano::EspeakGuesser> guesser;
    if (line.guess) {
        guesser.emplace(line.british ? kestrano::EspeakVoice::EnGb : kestrano::EspeakVoice::EnUs);
    }
    const kestrano::PronunciationGuesser* guessing = guesser ? &*guesser : nullptr;
    const kestrano::HomographTable homographs = loadHomographTableFor(line, dictionary);
    const kestrano::Variety variety =
        line.british ? kestrano::Variety::British : kestrano::Variety::American;
    const kestrano::TranscriptionEngine engine =
        line.literal ? kestrano::TranscriptionEngine(kestrano::pronunciationDictionary(), guessing)
                     : kestrano::TranscriptionEngine(kestrano::pronunciationDictionary(),
                                                     {variety, &homographs}, guessing);
    const QString output =
        line.json
            ? composeJson(inputText, dictionary.path, line.variety, line.transliterate, engine)
        : line.wordList ? composeWordList(inputText, line.transliterate, engine)
        : line.plainText
            ? composePlainText(inputText, line.includeOriginalText, line.transliterate, engine)
            : composeHtmlFile(inputText, line.includeOriginalText, line.transliterate, engine);
    // espeak-ng is loaded at the first word that needs a guess; when it cannot
    // be, the output would hold not-found forms that --guess promised away.
    if (guesser && !guesser->unavailableReason().empty()) {
        return fail("cannot guess pronunciations: " + guesser->unavailableReason());
    }
    const QByteArray bytes = output.toUtf8();
    if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) !=
            static_cast<std::size_t>(bytes.size()) ||
        std::fflush(stdout) != 0) {
        return fail(std::string("cannot write the output: ") + std::strerror(errno));
    }
    return 0;
}
