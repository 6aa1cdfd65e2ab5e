// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TranscribedSentences.h"

#include "CyrillicTransliteration.h"
#include "TranscriptionDocument.h"

std::vector<TranscribedSentence> transcribeSentences(const QString& inputText, bool transliterate,
                                                     const kestrano::TranscriptionEngine& engine)
{
    const QStringList pieces = transcriptionPieces(inputText);
    std::vector<TranscribedSentence> sentences;
    sentences.reserve(static_cast<std::size_t>(pieces.size()));
    for (const QString& piece : pieces) {
        TranscribedSentence& sentence = sentences.emplace_back();
        sentence.original = piece.trimmed();
        sentence.words = engine.transcribeWords(piece.toStdU16String());
        std::u16string slashed = kestrano::joinTranscription(sentence.words);
        if (transliterate) {
            slashed = kestrano::transliterateToCyrillic(std::move(slashed));
        }
        sentence.transcription = slashed.substr(1, slashed.size() - 2);
    }
    return sentences;
}
