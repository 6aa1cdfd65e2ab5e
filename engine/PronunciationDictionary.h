// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LargeBuffer.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrano {

// Word -> PhonemeCode transcription. The table keeps the file's own bytes
// and a hash index of the entry lines in them: a load is one read and one
// scan, and each byte becomes a 16-bit unit (0x80-0xFF as 0xFF80-0xFFFF) only
// when it is read. Visiting in key order sorts on demand; comparing bytes as
// unsigned numbers orders them exactly as their widened units.
class PronunciationDictionary
{
public:
    // Builds the table from the text of a dictionary file: lines ending in LF
    // (a CR right before the LF is dropped), lines of exactly three
    // TAB-separated fields kept, keys lowered A to Z, the later of two equal
    // keys winning.
    static PronunciationDictionary fromFileText(std::string_view bytes);
    static PronunciationDictionary fromFileText(LargeBuffer<char> bytes);

    // The transcription stored for `word`, matched unit for unit: the
    // overlay's when it holds the word, else the table's own.
    std::optional<std::u16string> find(std::u16string_view word) const;

    // Whether find gives a non-empty transcription for `word`.
    bool hasTranscription(std::u16string_view word) const;

    // Entries read after the table's own file, which add to it and override
    // it as if they stood at its end: the user's word lists. They form a
    // small table of their own that lookups ask first, so that the large
    // index is never rebuilt for a handful of words. An empty text removes
    // the overlay.
    void setOverlay(std::string_view text);
    // The overlay's file text, "" when there is none.
    std::string_view overlayText() const;

    // Whether the table was built from exactly these bytes, keys with capitals
    // aside (they are lowered in place, so such a file never matches).
    bool isBuiltFrom(std::string_view bytes) const { return bytes == text(); }

    // The table's own distinct words and entry lines, the overlay aside.
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::size_t entryLines() const { return entryCount_; }

    // Visits the table's own entries in key order, widened.
    template <typename Visitor> void forEach(Visitor&& visit) const
    {
        for (std::size_t index : entriesInKeyOrder()) {
            visit(widen(keyOf(entries_[index])), widen(valueOf(entries_[index])));
        }
    }

private:
    // An entry line: its key, then a TAB, then its value.
    struct Entry
    {
        std::size_t keyOffset;
        std::size_t keyLength;
        std::size_t valueLength;
    };

    static std::u16string widen(std::string_view bytes);
    void buildIndex();
    std::vector<std::size_t> entriesInKeyOrder() const;
    // The entry that answers for `word`, from the overlay or the table.
    const Entry* lookUp(std::u16string_view word, const PronunciationDictionary*& owner) const;
    const Entry* lookUpBytes(const std::string& bytes, std::uint64_t hash) const;
    std::string_view text() const { return {text_.data(), text_.size()}; }
    std::string_view keyOf(const Entry& entry) const
    {
        return {text_.data() + entry.keyOffset, entry.keyLength};
    }
    std::string_view valueOf(const Entry& entry) const
    {
        return {text_.data() + entry.keyOffset + entry.keyLength + 1, entry.valueLength};
    }

    LargeBuffer<char> text_;
    // Every entry line, in file order. Room is made for as many as the text
    // could hold; only the part used is ever touched.
    LargeBuffer<Entry> entries_;
    std::size_t entryCount_ = 0;
    // Open addressing over the entries: each slot holds the entry's index + 1 in
    // its low bits and the top bits of the key's hash above them, so that
    // most mismatches are seen without touching the entry; 0 is a free slot.
    LargeBuffer<std::uint64_t> slots_;
    std::size_t size_ = 0; // distinct words
    std::unique_ptr<PronunciationDictionary> overlay_;
};

// The one table that the Transcribe command fills and the engine reads.
PronunciationDictionary& pronunciationDictionary();

struct DictionaryLoadResult
{
    bool loaded = true;
    std::string reason;      // the system's words for why the file could not be read
    std::size_t entries = 0; // the file's entry lines, once loaded

    explicit operator bool() const { return loaded; }
};

// Replaces the process-wide table with the entries of the file at `path`
// (UTF-8). The table changes in one step, after the whole file was read. A
// file that cannot be opened or read to its end leaves the table empty, so a
// stale dictionary never answers for the one asked for.
// The overlay goes too: the table holds exactly the file's entries.
DictionaryLoadResult loadDictionary(std::string path);

// Lays the entries of the word list at `path` (the dictionary format) over
// the process-wide table, after those of word lists added since the last
// loadDictionary, so that a later list wins. A file that cannot be read
// changes nothing.
DictionaryLoadResult addWordList(std::string path);

} // namespace kestrano
