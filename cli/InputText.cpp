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

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::string describe(const std::string& path)
{
    return path == "-" ? std::string("standard input") : "'" + path + "'";
}

} // namespace

InputText readInputText(const std::string& path)
{
    std::unique_ptr<std::FILE, FileCloser> opened;
    std::FILE* file = stdin;
    if (path != "-") {
        opened.reset(std::fopen(path.c_str(), "rb"));
        if (!opened) {
            return {{}, "cannot open input " + describe(path) + ": " + std::strerror(errno)};
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
        return {{}, "cannot read input " + describe(path) + ": " + std::strerror(errno)};
    }

    std::string_view text(bytes);
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    if (const auto bad = findInvalidUtf8(text)) {
        const std::size_t offset = *bad + (bytes.size() - text.size());
        return {{},
                "input " + describe(path) + " is not valid UTF-8 (byte " + std::to_string(offset) +
                    ")"};
    }
    return {normalizeLineEnds(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))),
            {}};
}
