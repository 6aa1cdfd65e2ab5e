// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "JsonOutput.h"

#include "CyrillicTransliteration.h"
#include "TranscribedSentences.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <utility>

namespace {

QString unicodeEscape(char16_t unit)
{
    return QStringLiteral("\\u%1").arg(static_cast<unsigned>(unit), 4, 16, QLatin1Char('0'));
}

QString sourceName(kestrano::WordSource source)
{
    switch (source) {
    case kestrano::WordSource::Dictionary:
        return QStringLiteral("\"dictionary\"");
    case kestrano::WordSource::Derived:
        return QStringLiteral("\"derived\"");
    case kestrano::WordSource::Guessed:
        return QStringLiteral("\"guessed\"");
    case kestrano::WordSource::Read:
        return QStringLiteral("\"read\"");
    case kestrano::WordSource::Context:
        return QStringLiteral("\"context\"");
    case kestrano::WordSource::NotFound:
        break;
    }
    return QStringLiteral("\"not-found\"");
}

// One word on one line, so that long texts stay easy to read and to diff.
QString wordObject(const kestrano::WordTranscription& word, bool transliterate)
{
    QString object = "{\"word\": " + jsonString(word.word) +
                     ", \"code\": " + jsonString(word.code) + ", \"ipa\": " + jsonString(word.ipa);
    if (transliterate) {
        object += ", \"cyrillic\": " + jsonString(kestrano::transliterateToCyrillic(word.ipa));
    }
    object += ", \"source\": " + sourceName(word.source);
    if (word.source == kestrano::WordSource::Derived) {
        object +=
            ", \"stem\": " + jsonString(word.stem) + ", \"suffix\": " + jsonString(word.suffix);
    }
    if (!word.from.empty()) {
        object += ", \"from\": " + jsonString(word.from);
    }
    if (word.source == kestrano::WordSource::Context) {
        object += ", \"reading\": " + jsonString(word.reading);
    }
    return object + u'}';
}

} // namespace

QString jsonString(QStringView text)
{
    // The characters that JSON escapes with a letter rather than \u.
    static constexpr std::pair<char16_t, std::u16string_view> shortEscapes[] = {
        {u'"', u"\\\""}, {u'\\', u"\\\\"}, {u'\n', u"\\n"}, {u'\r', u"\\r"}, {u'\t', u"\\t"}};
    QString quoted;
    quoted.reserve(text.size() + 2);
    quoted += u'"';
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        const auto escape = std::find_if(std::begin(shortEscapes), std::end(shortEscapes),
                                         [unit](const auto& row) { return row.first == unit; });
        const bool pair =
            QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (escape != std::end(shortEscapes)) {
            quoted += escape->second;
        } else if (pair) {
            quoted += text[i];
            quoted += text[++i];
        } else if (unit < 0x20 || QChar::isSurrogate(unit)) {
            quoted += unicodeEscape(unit);
        } else {
            quoted += text[i];
        }
    }
    quoted += u'"';
    return quoted;
}

QString composeJson(const QString& inputText, const std::string& dictionaryPath,
                    const std::string& variety, bool transliterate,
                    const kestrano::TranscriptionEngine& engine)
{
    const QString varietyValue =
        variety.empty() ? QStringLiteral("null") : jsonString(QString::fromStdString(variety));
    QString json = "{\n  \"dictionary\": " + jsonString(QString::fromStdString(dictionaryPath)) +
                   ",\n  \"variety\": " + varietyValue + ",\n  \"cyrillic\": " +
                   (transliterate ? QStringLiteral("true") : QStringLiteral("false")) +
                   ",\n  \"sentences\": [";
    const auto sentences = transcribeSentences(inputText, transliterate, engine);
    for (const TranscribedSentence& sentence : sentences) {
        json += &sentence == &sentences.front() ? u"\n" : u",\n";
        json += "    {\n      \"original\": " + jsonString(sentence.original) +
                ",\n      \"transcription\": " + jsonString(sentence.transcription) +
                ",\n      \"words\": [";
        for (const kestrano::WordTranscription& word : sentence.words) {
            json += &word == &sentence.words.front() ? u"\n        " : u",\n        ";
            json += wordObject(word, transliterate);
        }
        json += "\n      ]\n    }";
    }
    json += "\n  ]\n}\n";
    return json;
}
