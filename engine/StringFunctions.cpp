// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StringFunctions.h"

#include <string_view>

namespace kestrano {
namespace {

// One left-to-right pass of the replacement loop. The string being edited is
// kept as `out` (settled), `carry` (the tail of the last replacement, which
// the next search may start inside) and the unread rest of `subject`; building
// a new string instead of editing in place keeps each pass linear.
std::u16string replacePass(const std::u16string& subject, std::u16string_view pattern,
                           std::u16string_view replacement, std::size_t first)
{
    constexpr std::size_t advance = 2;
    std::u16string out;
    out.reserve(subject.size() + replacement.size());
    out.append(subject, 0, first);
    std::u16string carry;
    std::size_t src = first;      // next unread unit of subject
    std::size_t matchInCarry = 0; // where the match starts, counted in carry
    bool matched = true;          // a match starts at carry[matchInCarry] or subject[src]

    while (matched) {
        // Consume the match: the units before it go to out, the pattern is dropped.
        // A match that starts in carry always runs on into subject, since the
        // replacement holds no whole occurrence of the pattern.
        std::size_t need = pattern.size();
        out.append(carry, 0, matchInCarry);
        std::size_t fromCarry = std::min(need, carry.size() - matchInCarry);
        need -= fromCarry;
        carry.clear();
        src += need;

        // Resume two units past the replacement's start.
        if (replacement.size() >= advance) {
            out.append(replacement.substr(0, advance));
            carry.assign(replacement.substr(advance));
        } else {
            out.append(replacement);
            std::size_t skip = std::min(advance - replacement.size(), subject.size() - src);
            out.append(subject, src, skip);
            src += skip;
        }

        // Look for the next match, first at the positions inside carry.
        matched = false;
        for (std::size_t i = 0; i < carry.size() && !matched; ++i) {
            std::u16string window = carry.substr(i);
            window.append(subject, src, pattern.size());
            if (std::u16string_view(window).starts_with(pattern)) {
                matchInCarry = i;
                matched = true;
            }
        }
        if (!matched) {
            std::size_t next = subject.find(pattern.data(), src, pattern.size());
            if (next != std::u16string::npos) {
                out.append(carry);
                carry.clear();
                out.append(subject, src, next - src);
                src = next;
                matchInCarry = 0;
                matched = true;
            }
        }
    }
    out.append(carry);
    out.append(subject, src, std::u16string::npos);
    return out;
}

// Plain left-to-right replacement, resuming after each replacement.
std::u16string replaceOnce(const std::u16string& subject, std::u16string_view pattern,
                           std::u16string_view replacement)
{
    std::u16string out;
    std::size_t src = 0;
    for (std::size_t at = subject.find(pattern.data(), 0, pattern.size());
         at != std::u16string::npos; at = subject.find(pattern.data(), src, pattern.size())) {
        out.append(subject, src, at - src);
        out.append(replacement);
        src = at + pattern.size();
    }
    out.append(subject, src, std::u16string::npos);
    return out;
}

} // namespace

std::u16string replaceAll(std::u16string subject, std::u16string pattern,
                          std::u16string replacement)
{
    if (pattern.empty()) {
        return subject;
    }
    if (replacement.find(pattern) != std::u16string::npos) {
        return replaceOnce(subject, pattern, replacement);
    }
    std::size_t first = subject.find(pattern);
    while (first != std::u16string::npos) {
        subject = replacePass(subject, pattern, replacement, first);
        first = subject.find(pattern);
    }
    return subject;
}

std::size_t splitOn(std::vector<std::u16string>& pieces, const std::u16string& text,
                    char16_t separator)
{
    pieces.clear();
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find(separator, start);
        if (end == std::u16string::npos) {
            pieces.emplace_back(text, start, std::u16string::npos);
            break;
        }
        pieces.emplace_back(text, start, end - start);
        start = end + 1;
    }
    return pieces.size();
}

std::u16string trimSpaces(std::u16string text)
{
    std::size_t end = text.find_last_not_of(u' ');
    if (end == std::u16string::npos) {
        return {};
    }
    text.erase(end + 1);
    text.erase(0, text.find_first_not_of(u' '));
    return text;
}

} // namespace kestrano
