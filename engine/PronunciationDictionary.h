#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrano {

// Word -> PhonemeCode transcription, ordered by the words' 16-bit units.
// Entries live in one sorted flat table over a single text buffer, so a
// 100,000-word file costs two allocations and lookups touch little memory.
class PronunciationDictionary
{
public:
    // Builds the table from the text of a dictionary file: lines ending in LF
    // (a CR right before the LF is dropped), each byte widened on its own
    // (0x80-0xFF become 0xFF80-0xFFFF), lines of exactly three TAB-separated
    // fields kept, keys lowered A to Z, the later of two equal keys winning.
    static PronunciationDictionary fromFileText(std::string_view bytes);

    // The transcription stored for `word`, matched unit for unit.
    std::optional<std::u16string_view> find(std::u16string_view word) const;

    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }

    // Visits the entries in key order.
    template <typename Visitor> void forEach(Visitor&& visit) const
    {
        for (const Entry& entry : entries_) {
            visit(keyOf(entry), valueOf(entry));
        }
    }

private:
    struct Entry
    {
        std::size_t keyOffset;
        std::size_t keyLength;
        std::size_t valueOffset;
        std::size_t valueLength;
    };

    std::u16string_view keyOf(const Entry& entry) const
    {
        return std::u16string_view(text_).substr(entry.keyOffset, entry.keyLength);
    }
    std::u16string_view valueOf(const Entry& entry) const
    {
        return std::u16string_view(text_).substr(entry.valueOffset, entry.valueLength);
    }

    std::u16string text_;
    std::vector<Entry> entries_;
};

// The one table that the Transcribe command fills and the engine reads.
PronunciationDictionary& pronunciationDictionary();

struct DictionaryLoadResult
{
    bool loaded = true;
    std::string reason; // the system's words for why the file could not be read

    explicit operator bool() const { return loaded; }
};

// Replaces the process-wide table with the entries of the file at `path`
// (UTF-8). The table changes in one step, after the whole file was read. A
// file that cannot be opened or read to its end leaves the table empty, so a
// stale dictionary never answers for the one asked for.
DictionaryLoadResult loadDictionary(std::string path);

} // namespace kestrano
