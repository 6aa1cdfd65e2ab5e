#pragma once

#include <cstddef>
#include <cstdint>
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
    static PronunciationDictionary fromFileText(std::string bytes);

    // The transcription stored for `word`, matched unit for unit.
    std::optional<std::u16string> find(std::u16string_view word) const;

    // Whether `word` is stored with a non-empty transcription.
    bool hasTranscription(std::u16string_view word) const;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    // Visits the entries in key order, widened.
    template <typename Visitor> void forEach(Visitor&& visit) const
    {
        for (std::size_t index : entriesInKeyOrder()) {
            visit(widen(keyOf(entries_[index])), widen(valueOf(entries_[index])));
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

    // FNV-1a over the widened units, so that a word and its stored key agree.
    template <typename Units> static std::size_t hashUnits(const Units& units)
    {
        std::uint64_t hash = 14695981039346656037ull;
        for (auto unit : units) {
            hash = (hash ^ static_cast<char16_t>(unit)) * 1099511628211ull;
        }
        return static_cast<std::size_t>(hash);
    }

    static std::u16string widen(std::string_view bytes);
    void buildIndex();
    std::vector<std::size_t> entriesInKeyOrder() const;
    const Entry* lookUp(std::u16string_view word) const;
    std::string_view keyOf(const Entry& entry) const
    {
        return std::string_view(text_).substr(entry.keyOffset, entry.keyLength);
    }
    std::string_view valueOf(const Entry& entry) const
    {
        return std::string_view(text_).substr(entry.valueOffset, entry.valueLength);
    }

    std::string text_;
    std::vector<Entry> entries_;     // every entry line, in file order
    std::vector<std::size_t> slots_; // open addressing: entry index + 1, or 0
    std::size_t size_ = 0;           // distinct words
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
