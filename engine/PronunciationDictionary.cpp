// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PronunciationDictionary.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include <sys/stat.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kestrano {

namespace {

char16_t widenByte(char byte)
{
    return static_cast<char16_t>(static_cast<signed char>(byte));
}

// Keys are hashed as bytes, eight at a time. A word is hashed as the bytes
// its units stand for (0xFF80-0xFFFF for 0x80-0xFF); a word with any other
// unit above 0x7F cannot equal a stored key.
constexpr std::uint64_t hashMultiplier = 0x9E3779B97F4A7C15ull;

std::uint64_t mix(std::uint64_t hash, std::uint64_t chunk)
{
    hash = (hash ^ chunk) * hashMultiplier;
    return hash ^ (hash >> 29);
}

std::uint64_t loadChunk(const char* bytes, std::size_t length)
{
    std::uint64_t chunk = 0;
    std::memcpy(&chunk, bytes, std::min<std::size_t>(length, 8));
    return chunk;
}

std::uint64_t hashBytes(const char* bytes, std::size_t length)
{
    std::uint64_t hash = mix(0x243F6A8885A308D3ull, length);
    for (std::size_t at = 0; at < length; at += 8) {
        hash = mix(hash, loadChunk(bytes + at, length - at));
    }
    return hash * hashMultiplier;
}

// Adds 0x20 to every byte of `chunk` that is an ASCII capital A to Z.
std::uint64_t lowerChunk(std::uint64_t chunk)
{
    constexpr std::uint64_t highBits = 0x8080808080808080ull;
    const std::uint64_t raised = chunk | highBits;
    const std::uint64_t atLeastA = raised - 0x4141414141414141ull;
    const std::uint64_t pastZ = raised - 0x5B5B5B5B5B5B5B5Bull;
    return chunk + ((atLeastA & ~pastZ & ~chunk & highBits) >> 2);
}

// Lowers the key in place (A to Z only) while hashing it: the bytes are read
// once, and most keys need no write.
std::uint64_t lowerAndHashKey(char* key, std::size_t length)
{
    std::uint64_t hash = mix(0x243F6A8885A308D3ull, length);
    for (std::size_t at = 0; at < length; at += 8) {
        const std::size_t count = std::min<std::size_t>(length - at, 8);
        const std::uint64_t chunk = loadChunk(key + at, count);
        const std::uint64_t lowered = lowerChunk(chunk);
        if (lowered != chunk) {
            std::memcpy(key + at, &lowered, count);
        }
        hash = mix(hash, lowered);
    }
    return hash * hashMultiplier;
}

// The bytes a word would be stored as, or false when it has a unit that no
// byte widens to.
bool narrowWord(std::u16string_view word, std::string& bytes)
{
    bytes.resize(word.size());
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (word[i] >= 0x80 && word[i] < 0xFF80) {
            return false;
        }
        bytes[i] = static_cast<char>(word[i] & 0xFF);
    }
    return true;
}

constexpr int slotIndexBits = 40;
constexpr std::uint64_t slotIndexMask = (std::uint64_t{1} << slotIndexBits) - 1;

std::uint64_t slotTag(std::uint64_t hash)
{
    return hash >> slotIndexBits;
}

// Calls `onEntry(keyOffset, keyLength, valueLength)` for every line of exactly
// three TAB-separated fields, in file order. Lines end at LF; a CR right
// before the LF is not part of the line; the last line needs no LF.
template <typename OnEntry> void scanEntryLines(std::string_view text, OnEntry&& onEntry)
{
    std::size_t lineStart = 0;
    std::size_t tabs = 0;
    std::size_t firstTab = 0;
    std::size_t secondTab = 0;
    const auto endLine = [&](std::size_t lineEnd, bool hasNewline) {
        if (hasNewline && lineEnd > lineStart && text[lineEnd - 1] == '\r') {
            --lineEnd;
        }
        if (tabs == 2) {
            onEntry(firstTab + 1, secondTab - firstTab - 1, lineEnd - secondTab - 1);
        }
        tabs = 0;
    };
    const auto onByte = [&](std::size_t at) {
        if (text[at] == '\n') {
            endLine(at, true);
            lineStart = at + 1;
        } else if (++tabs == 1) {
            firstTab = at;
        } else if (tabs == 2) {
            secondTab = at;
        }
    };

    std::size_t at = 0;
#if defined(__SSE2__)
    // Sixteen bytes at a time: only TABs and LFs matter, and lines are short.
    const __m128i tab = _mm_set1_epi8('\t');
    const __m128i newline = _mm_set1_epi8('\n');
    for (; at + 16 <= text.size(); at += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at));
        auto hits = static_cast<unsigned>(_mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi8(chunk, tab), _mm_cmpeq_epi8(chunk, newline))));
        while (hits != 0) {
            onByte(at + static_cast<std::size_t>(std::countr_zero(hits)));
            hits &= hits - 1;
        }
    }
#endif
    for (; at < text.size(); ++at) {
        if (text[at] == '\t' || text[at] == '\n') {
            onByte(at);
        }
    }
    endLine(text.size(), false);
}

void prefetch(const void* address)
{
#if defined(__GNUC__)
    __builtin_prefetch(address);
#else
    (void)address;
#endif
}

} // namespace

PronunciationDictionary PronunciationDictionary::fromFileText(std::string_view bytes)
{
    LargeBuffer<char> copy(bytes.size());
    std::copy(bytes.begin(), bytes.end(), copy.data());
    return fromFileText(std::move(copy));
}

PronunciationDictionary PronunciationDictionary::fromFileText(LargeBuffer<char> bytes)
{
    PronunciationDictionary dictionary;
    dictionary.text_ = std::move(bytes);
    // An entry line has at least two TABs and ends in LF or at the end.
    dictionary.entries_ = LargeBuffer<Entry>(dictionary.text_.size() / 3 + 1);
    scanEntryLines(dictionary.text(), [&](std::size_t keyOffset, std::size_t keyLength,
                                          std::size_t valueLength) {
        dictionary.entries_[dictionary.entryCount_++] = {keyOffset, keyLength, valueLength};
    });
    dictionary.buildIndex();
    return dictionary;
}

void PronunciationDictionary::buildIndex()
{
    // Twice as many slots as entry lines keeps probe runs short. Lines go in
    // in file order, so the later of two equal keys takes the slot. The table
    // is larger than the caches, so each line's key is hashed and its slot
    // fetched a few lines ahead instead of waiting for each slot in turn.
    slots_ = LargeBuffer<std::uint64_t>(std::bit_ceil(std::max<std::size_t>(16, entryCount_ * 2)));
    const std::size_t mask = slots_.size() - 1;
    constexpr std::size_t lookahead = 16;
    std::uint64_t ahead[lookahead];
    const auto hashAhead = [&](std::size_t i) {
        const Entry& entry = entries_[i];
        ahead[i % lookahead] = lowerAndHashKey(text_.data() + entry.keyOffset, entry.keyLength);
        prefetch(&slots_[ahead[i % lookahead] & mask]);
    };
    for (std::size_t i = 0; i < std::min(lookahead, entryCount_); ++i) {
        hashAhead(i);
    }
    for (std::size_t i = 0; i < entryCount_; ++i) {
        const std::uint64_t hash = ahead[i % lookahead];
        if (i + lookahead < entryCount_) {
            hashAhead(i + lookahead);
        }
        const std::uint64_t tag = slotTag(hash);
        const std::string_view key = keyOf(entries_[i]);
        std::size_t slot = hash & mask;
        for (; slots_[slot] != 0; slot = (slot + 1) & mask) {
            if (slots_[slot] >> slotIndexBits == tag &&
                keyOf(entries_[(slots_[slot] & slotIndexMask) - 1]) == key) {
                break;
            }
        }
        if (slots_[slot] == 0) {
            ++size_;
        }
        slots_[slot] = (tag << slotIndexBits) | (i + 1);
    }
}

std::vector<std::size_t> PronunciationDictionary::entriesInKeyOrder() const
{
    std::vector<std::size_t> order;
    order.reserve(size_);
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (const std::uint64_t slot = slots_[i]; slot != 0) {
            order.push_back((slot & slotIndexMask) - 1);
        }
    }
    std::sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return keyOf(entries_[a]) < keyOf(entries_[b]);
    });
    return order;
}

std::u16string PronunciationDictionary::widen(std::string_view bytes)
{
    std::u16string units(bytes.size(), u'\0');
    std::transform(bytes.begin(), bytes.end(), units.begin(), widenByte);
    return units;
}

const PronunciationDictionary::Entry* PronunciationDictionary::lookUpBytes(const std::string& bytes,
                                                                           std::uint64_t hash) const
{
    if (slots_.size() == 0) {
        return nullptr;
    }
    const std::uint64_t tag = slotTag(hash);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = hash & mask; slots_[slot] != 0; slot = (slot + 1) & mask) {
        if (slots_[slot] >> slotIndexBits == tag) {
            const Entry& entry = entries_[(slots_[slot] & slotIndexMask) - 1];
            if (keyOf(entry) == bytes) {
                return &entry;
            }
        }
    }
    return nullptr;
}

const PronunciationDictionary::Entry*
PronunciationDictionary::lookUp(std::u16string_view word,
                                const PronunciationDictionary*& owner) const
{
    thread_local std::string bytes;
    owner = this;
    if ((slots_.size() == 0 && !overlay_) || !narrowWord(word, bytes)) {
        return nullptr;
    }
    // One hash serves both tables: they hash keys alike.
    const std::uint64_t hash = hashBytes(bytes.data(), bytes.size());
    if (overlay_) {
        if (const Entry* entry = overlay_->lookUpBytes(bytes, hash)) {
            owner = overlay_.get();
            return entry;
        }
    }
    return lookUpBytes(bytes, hash);
}

std::optional<std::u16string> PronunciationDictionary::find(std::u16string_view word) const
{
    const PronunciationDictionary* owner = nullptr;
    const Entry* entry = lookUp(word, owner);
    if (entry == nullptr) {
        return std::nullopt;
    }
    return widen(owner->valueOf(*entry));
}

bool PronunciationDictionary::hasTranscription(std::u16string_view word) const
{
    const PronunciationDictionary* owner = nullptr;
    const Entry* entry = lookUp(word, owner);
    return entry != nullptr && entry->valueLength > 0;
}

void PronunciationDictionary::setOverlay(std::string_view text)
{
    if (text.empty()) {
        overlay_.reset();
    } else {
        overlay_ = std::make_unique<PronunciationDictionary>(fromFileText(text));
    }
}

std::string_view PronunciationDictionary::overlayText() const
{
    return overlay_ ? overlay_->text() : std::string_view();
}

PronunciationDictionary& pronunciationDictionary()
{
    static PronunciationDictionary table;
    return table;
}

namespace {

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Reads in one go when the size is known (a regular file), straight into the
// table's own buffer; pipes, and files that change size while being read, are
// read in chunks until their end and copied once more.
LargeBuffer<char> readAll(std::FILE* file)
{
    std::string bytes;
    struct stat status
    {
    };
    if (::fstat(::fileno(file), &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
        LargeBuffer<char> sized(static_cast<std::size_t>(status.st_size));
        const std::size_t got = std::fread(sized.data(), 1, sized.size(), file);
        char extra = 0;
        const bool grew = got == sized.size() && std::fread(&extra, 1, 1, file) == 1;
        if (got == sized.size() && !grew) {
            return sized;
        }
        bytes.assign(sized.data(), got);
        if (grew) {
            bytes += extra;
        }
    }
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, got);
    }
    LargeBuffer<char> all(bytes.size());
    std::copy(bytes.begin(), bytes.end(), all.data());
    return all;
}

DictionaryLoadResult failure(int error)
{
    return {false, std::strerror(error)};
}

std::size_t countEntryLines(std::string_view text)
{
    std::size_t count = 0;
    scanEntryLines(text, [&](std::size_t, std::size_t, std::size_t) { ++count; });
    return count;
}

// The whole file, or the reason why it cannot be had.
std::optional<LargeBuffer<char>> readWholeFile(const std::string& path,
                                               DictionaryLoadResult& result)
{
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        result = failure(errno);
        return std::nullopt;
    }
    LargeBuffer<char> bytes = readAll(file.get());
    if (std::ferror(file.get())) {
        result = failure(errno);
        return std::nullopt;
    }
    return bytes;
}

} // namespace

DictionaryLoadResult loadDictionary(std::string path)
{
    DictionaryLoadResult result;
    std::optional<LargeBuffer<char>> bytes = readWholeFile(path, result);
    PronunciationDictionary& table = pronunciationDictionary();
    if (!bytes) {
        table = PronunciationDictionary();
        return result;
    }
    // Pressing Transcribe again reads the same file again: when its bytes are
    // those the table was built from, the table already is what they define.
    if (table.isBuiltFrom({bytes->data(), bytes->size()})) {
        table.setOverlay({});
    } else {
        table = PronunciationDictionary::fromFileText(std::move(*bytes));
    }
    result.entries = table.entryLines();
    return result;
}

DictionaryLoadResult addWordList(std::string path)
{
    DictionaryLoadResult result;
    const std::optional<LargeBuffer<char>> bytes = readWholeFile(path, result);
    if (!bytes) {
        return result;
    }
    const std::string_view added(bytes->data(), bytes->size());
    PronunciationDictionary& table = pronunciationDictionary();
    std::string text(table.overlayText());
    if (!text.empty() && !text.ends_with('\n')) {
        text += '\n'; // the last line of one list never runs into the next
    }
    text += added;
    table.setOverlay(text);
    result.entries = countEntryLines(added);
    return result;
}

} // namespace kestrano
