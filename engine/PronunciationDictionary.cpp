#include "PronunciationDictionary.h"

#include "StringFunctions.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include <sys/stat.h>

namespace kestrano {

PronunciationDictionary PronunciationDictionary::fromFileText(std::string_view bytes)
{
    // First find the entry lines in the bytes, where memchr is fast; the
    // entries hold byte offsets until their fields are copied below.
    PronunciationDictionary dictionary;
    std::vector<Entry>& entries = dictionary.entries_;
    entries.reserve(bytes.size() / 16);
    std::size_t fieldUnits = 0;
    const char* const base = bytes.data();
    std::size_t lineStart = 0;
    while (lineStart <= bytes.size()) {
        const char* newline =
            static_cast<const char*>(std::memchr(base + lineStart, '\n', bytes.size() - lineStart));
        std::size_t lineEnd =
            newline != nullptr ? static_cast<std::size_t>(newline - base) : bytes.size();
        const std::size_t next = lineEnd + 1;
        if (newline != nullptr && lineEnd > lineStart && base[lineEnd - 1] == '\r') {
            --lineEnd;
        }
        const std::string_view line = bytes.substr(lineStart, lineEnd - lineStart);
        const std::size_t firstTab = line.find('\t');
        const std::size_t secondTab =
            firstTab == line.npos ? line.npos : line.find('\t', firstTab + 1);
        if (secondTab != line.npos && line.find('\t', secondTab + 1) == line.npos) {
            entries.push_back({lineStart + firstTab + 1, secondTab - firstTab - 1,
                               lineStart + secondTab + 1, line.size() - secondTab - 1});
            fieldUnits += line.size() - secondTab - 1 + secondTab - firstTab - 1;
        }
        lineStart = next;
    }

    // Then widen only the keys and values into one buffer: each byte on its
    // own, sign-extended (the files are ASCII and nothing is decoded), keys
    // lowered A to Z.
    std::u16string& text = dictionary.text_;
    text.resize(fieldUnits);
    char16_t* out = text.data();
    const auto widen = [](char byte) {
        return static_cast<char16_t>(static_cast<signed char>(byte));
    };
    for (Entry& entry : entries) {
        const char* key = base + entry.keyOffset;
        entry.keyOffset = static_cast<std::size_t>(out - text.data());
        out = std::transform(key, key + entry.keyLength, out,
                             [&](char byte) { return lowerAsciiLetter(widen(byte)); });
        const char* value = base + entry.valueOffset;
        entry.valueOffset = static_cast<std::size_t>(out - text.data());
        out = std::transform(value, value + entry.valueLength, out, widen);
    }

    // Stable, so that among equal keys the file's last line ends up last and
    // wins. Files written in key order skip the sort.
    const auto byKey = [&dictionary](const Entry& a, const Entry& b) {
        return dictionary.keyOf(a) < dictionary.keyOf(b);
    };
    if (!std::is_sorted(entries.begin(), entries.end(), byKey)) {
        std::stable_sort(entries.begin(), entries.end(), byKey);
    }
    auto kept = entries.begin();
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        const auto nextIt = std::next(it);
        if (nextIt == entries.end() || byKey(*it, *nextIt)) {
            *kept++ = *it;
        }
    }
    entries.erase(kept, entries.end());
    entries.shrink_to_fit();
    return dictionary;
}

std::optional<std::u16string_view> PronunciationDictionary::find(std::u16string_view word) const
{
    const auto it = std::lower_bound(
        entries_.begin(), entries_.end(), word,
        [this](const Entry& entry, std::u16string_view key) { return keyOf(entry) < key; });
    if (it == entries_.end() || keyOf(*it) != word) {
        return std::nullopt;
    }
    return valueOf(*it);
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
    pronunciationDictionary() = PronunciationDictionary::fromFileText(bytes);
    return {};
}

} // namespace kestrano
