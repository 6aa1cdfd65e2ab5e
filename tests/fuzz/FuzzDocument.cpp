// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FuzzSupport.h"
#include "RegexSentenceSplit.h"
#include "SentenceSplitter.h"
#include "TranscriptionDocument.h"

#include <QStringView>

using namespace kestrano;

// The first byte picks the options, the rest is the text as 16-bit units.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    static const TranscriptionEngine engine(fuzzDictionary());
    const TranscriptionOptions options{(data[0] & 1) != 0, (data[0] & 2) != 0};
    const std::u16string units = unitsOf(data + 1, size - 1);
    const QString text(reinterpret_cast<const QChar*>(units.data()),
                       static_cast<qsizetype>(units.size()));
    const QString document = composeTranscriptionDocument(text, options, engine);

    // Header, one paragraph per piece in order, footer. Originals go in
    // unescaped and may hold any markup; transcriptions hold no "<".
    FUZZ_CHECK(document.startsWith(u"<html>\n<header>"));
    constexpr QStringView bodyStart = u"</header>\n<body>\n";
    const qsizetype body = document.indexOf(bodyStart);
    FUZZ_CHECK(body > 0);
    QStringView rest = QStringView(document).mid(body + bodyStart.size());
    const auto take = [&](QStringView expected) {
        FUZZ_CHECK(rest.startsWith(expected));
        rest = rest.mid(expected.size());
    };
    for (const QString& piece : transcriptionPieces(text)) {
        take(u"<p>");
        if (options.includeOriginalText) {
            take(u"<span class=\"original\">");
            take(piece.trimmed());
            take(u"</span><br>\n");
        }
        take(u"<span class=\"transcr\">");
        const qsizetype end = rest.indexOf(u'<');
        FUZZ_CHECK(end >= 2 && rest[0] == u'/' && rest[end - 1] == u'/');
        rest = rest.mid(end);
        take(u"</span></p>\n");
    }
    take(u"</body>\n</html>");
    FUZZ_CHECK(rest.isEmpty());

    // The regular expression is slow, so it checks the splitter on short
    // texts only; it matches nothing at all in text that is not valid UTF-16.
    if (text.size() <= 64 && text.isValidUtf16()) {
        FUZZ_CHECK(splitIntoSentences(text) == regexSplit(text));
    }
    return 0;
}
