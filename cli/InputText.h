// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

// Where the first invalid UTF-8 sequence starts, or nothing when the bytes
// are valid (overlong forms, surrogates and code points past U+10FFFF are
// invalid).
std::optional<std::size_t> findInvalidUtf8(std::string_view bytes);

// Line ends as the input editor makes them of pasted text: CR LF, a lone CR,
// U+2028 and U+2029 each become one LF.
QString normalizeLineEnds(const QString& text);

struct InputText
{
    QString text;
    std::string error; // one line for standard error, empty on success
    std::string hint;  // a line that tells how to get past the error, or empty
};

// Reads one input ("-" is standard input), drops a leading byte-order mark
// and checks the UTF-8 before decoding, so bad bytes are reported, not
// guessed: at the line and column where an editor shows them, with the
// command that converts the input.
InputText readInputText(const std::string& path);
