#include "PronunciationDictionary.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include <sys/stat.h>

namespace kestrano {

namespace {

char16_t widenByte(char byte)
{
    return static_cast<char16_t>(static_cast<signed char>(byte));
}

// Orders a word against a stored key as if the key were widened.
int compareWithKey(std::u16string_view word, std::string_view key)
{
    const std::size_t common = std::min(word.size(), key.size());
    for (std::size_t i = 0; i < common; ++i) {
        const char16_t keyUnit = widenByte(key[i]);
        if (word[i] != keyUnit) {
            return word[i] < keyUnit ? -1 : 1;
        }
    }
    return word.size() < key.size() ? -1 : word.size() > key.size() ? 1 : 0;
}

} // namespace

PronunciationDictionary PronunciationDictionary::fromFileText(std::string bytes)
{
    PronunciationDictionary dictionary;
    dictionary.text_ = std::move(bytes);
    std::string& text = dictionary.text_;
    std::vector<Entry>& entries = dictionary.entries_;
    entries.reserve(text.size() / 16);

    std::size_t lineStart = 0;
    while (lineStart <= text.size()) {
        const char* newline = static_cast<const char*>(
            std::memchr(text.data() + lineStart, '\n', text.size() - lineStart));
        std::size_t lineEnd =
            newline != nullptr ? static_cast<std::size_t>(newline - text.data()) : text.size();
        const std::size_t next = lineEnd + 1;
        if (newline != nullptr && lineEnd > lineStart && text[lineEnd - 1] == '\r') {
            --lineEnd;
        }
        const std::string_view line = std::string_view(text).substr(lineStart, lineEnd - lineStart);
        const std::size_t firstTab = line.find('\t');
        const std::size_t secondTab =
            firstTab == line.npos ? line.npos : line.find('\t', firstTab + 1);
        if (secondTab != line.npos && line.find('\t', secondTab + 1) == line.npos) {
            const Entry entry{lineStart + firstTab + 1, secondTab - firstTab - 1,
                              lineStart + secondTab + 1, line.size() - secondTab - 1};
            const auto key = text.begin() + static_cast<std::ptrdiff_t>(entry.keyOffset);
            std::transform(key, key + static_cast<std::ptrdiff_t>(entry.keyLength), key,
                           [](char byte) { return byte >= 'A' && byte <= 'Z' ? byte + 32 : byte; });
            entries.push_back(entry);
        }
        lineStart = next;
    }

    dictionary.buildIndex();
    return dictionary;
}

void PronunciationDictionary::buildIndex()
{
    // Twice as many slots as entry lines keeps probe runs short. Lines are
    // indexed in file order, so the later of two equal keys takes the slot.
    slots_.assign(std::bit_ceil(std::max<std::size_t>(16, entries_.size() * 2)), 0);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const std::string_view key = keyOf(entries_[i]);
        std::size_t slot = hashUnits(key) & mask;
        while (slots_[slot] != 0 && keyOf(entries_[slots_[slot] - 1]) != key) {
            slot = (slot + 1) & mask;
        }
        if (slots_[slot] == 0) {
            ++size_;
        }
        slots_[slot] = i + 1;
    }
}

std::vector<std::size_t> PronunciationDictionary::entriesInKeyOrder() const
{
    std::vector<std::size_t> order;
    order.reserve(size_);
    for (std::size_t slot : slots_) {
        if (slot != 0) {
            order.push_back(slot - 1);
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

const PronunciationDictionary::Entry*
PronunciationDictionary::lookUp(std::u16string_view word) const
{
    if (slots_.empty()) {
        return nullptr;
    }
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = hashUnits(word) & mask; slots_[slot] != 0; slot = (slot + 1) & mask) {
        const Entry& entry = entries_[slots_[slot] - 1];
        if (entry.keyLength == word.size() && compareWithKey(word, keyOf(entry)) == 0) {
            return &entry;
        }
    }
    return nullptr;
}

std::optional<std::u16string> PronunciationDictionary::find(std::u16string_view word) const
{
    const Entry* entry = lookUp(word);
    if (entry == nullptr) {
        return std::nullopt;
    }
    return widen(valueOf(*entry));
}

bool PronunciationDictionary::hasTranscription(std::u16string_view word) const
{
    const Entry* entry = lookUp(word);
    return entry != nullptr && entry->valueLength > 0;
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

// Reads in one go when the size is known (a regular file), so the bytes are
// copied once; pipes and other streams are read in chunks until their end.
void readAll(std::FILE* file, std::string& bytes)
{
    struct stat status
    {
    };
    if (::fstat(::fileno(file), &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
        bytes.resize(static_cast<std::size_t>(status.st_size));
        bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    }
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, got);
    }
}

DictionaryLoadResult failure(int error)
{
    return {false, std::strerror(error)};
}

} // namespace

DictionaryLoadResult loadDictionary(std::string path)
{
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        const int error = errno;
        pronunciationDictionary() = PronunciationDictionary();
        return failure(error);
    }

    std::string bytes;
    readAll(file.get(), bytes);
    if (std::ferror(file.get())) {
        const int error = errno;
        pronunciationDictionary() = PronunciationDictionary();
        return failure(error);
    }
    pronunciationDictionary() = PronunciationDictionary::fromFileText(std::move(bytes));
    return {};
}

} // namespace kestrano
