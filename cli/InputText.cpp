// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "InputText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

std::optional<std::size_t> findInvalidUtf8(std::string_view bytes)
{
    const auto byteAt = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const auto isContinuation = [&](std::size_t i) {
        return i < bytes.size() && (byteAt(i) & 0xC0) == 0x80;
    };
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char lead = byteAt(i);
        std::size_t length = 0;
        char32_t minimum = 0;
        char32_t codePoint = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, minimum = 0x80, codePoint = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, minimum = 0x800, codePoint = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, minimum = 0x10000, codePoint = lead & 0x07;
        } else {
            return i;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if (!isContinuation(i + k)) {
                return i;
            }
            codePoint = (codePoint << 6) | (byteAt(i + k) & 0x3F);
        }
        if (codePoint < minimum || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
            return i;
        }
        i += length;
    }
    return std::nullopt;
}

QString normalizeLineEnds(const QString& text)
{
    QString result;
    result.reserve(text.size());
    const qsizetype length = text.size();
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < length && text[i + 1] == u'\n') {
                ++i;
            }
            result += u'\n';
        } else if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            result += u'\n';
        } else {
            result += c;
        }
    }
    return result;
}

namespace {

// A place in a text, counted from 1 as a text editor shows it: LF, CR LF and
// a lone CR each end a line, and a column is a character, however many bytes
// its UTF-8 takes.
struct TextPosition
{
    std::size_t line = 1;
    std::size_t column = 1;
};

TextPosition textPositionAt(std::string_view text, std::size_t offset)
{
    TextPosition position;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\r' || (byte == '\n' && (i == 0 || text[i - 1] != '\r'))) {
            ++position.line;
            position.column = 1;
        } else if (byte != '\n' && (byte & 0xC0) != 0x80) {
            ++position.column;
        }
    }
    return position;
}

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::string describe(const std::string& path)
{
    return path == "-" ? std::string("standard input") : "input '" + path + "'";
}

// `word` as one word of a POSIX shell command line.
std::string shellWord(const std::string& word)
{
    const bool plain =
        !word.empty() && word.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                                "abcdefghijklmnopqrstuvwxyz"
                                                "0123456789+,-./:=@_") == std::string::npos;
    if (plain) {
        return word;
    }
    std::string quoted = "'";
    for (const char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// The iconv command that turns the input into UTF-8. Text that is not UTF-8
// is nearly always in the Windows code page, unless a byte-order mark says
// that Windows saved it as "Unicode", which is UTF-16.
std::string conversionHint(const std::string& path, std::string_view bytes)
{
    const bool utf16 = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
    const std::string command =
        std::string("iconv -f ") + (utf16 ? "UTF-16" : "WINDOWS-1252") + " -t UTF-8 ";
    if (path == "-") {
        return "Convert it to UTF-8 first, for example: " + command + "FILE | kestrano-cli";
    }
    // notes.txt becomes notes-utf8.txt, beside it.
    const std::size_t nameStart = path.find_last_of('/') + 1;
    std::size_t extension = path.find_last_of('.');
    if (extension == std::string::npos || extension <= nameStart) {
        extension = path.size();
    }
    const std::string converted = path.substr(0, extension) + "-utf8" + path.substr(extension);
    return "Convert it to UTF-8 first, for example: " + command + shellWord(path) + " > " +
           shellWord(converted);
}

} // namespace

InputText readInputText(const std::string& path)
{
    std::unique_ptr<std::FILE, FileCloser> opened;
    std::FILE* file = stdin;
    if (path != "-") {
        opened.reset(std::fopen(path.c_str(), "rb"));
        if (!opened) {
            return {{}, "cannot open " + describe(path) + ": " + std::strerror(errno), {}};
        }
        file = opened.get();
    }

    std::string bytes;
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, got);
    }
    if (std::ferror(file)) {
        return {{}, "cannot read " + describe(path) + ": " + std::strerror(errno), {}};
    }

    std::string_view text(bytes);
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    if (const auto bad = findInvalidUtf8(text)) {
        const TextPosition at = textPositionAt(text, *bad);
        return {{},
                describe(path) + " is not valid UTF-8 (line " + std::to_string(at.line) +
                    ", column " + std::to_string(at.column) + ")",
                conversionHint(path, bytes)};
    }
    return {normalizeLineEnds(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))),
            {},
            {}};
}
