#include "PronunciationDictionary.h"

#include "StringFunctions.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace kestrano {

PronunciationDictionary PronunciationDictionary::fromFileText(std::string_view bytes)
{
    PronunciationDictionary dictionary;
    std::u16string& text = dictionary.text_;
    text.resize(bytes.size());
    // Each byte on its own, sign-extended: the files are ASCII and nothing is decoded.
    std::transform(bytes.begin(), bytes.end(), text.begin(),
                   [](char byte) { return static_cast<char16_t>(static_cast<signed char>(byte)); });

    std::vector<Entry>& entries = dictionary.entries_;
    std::size_t lineStart = 0;
    while (lineStart <= text.size()) {
        std::size_t lineEnd = text.find(u'\n', lineStart);
        const std::size_t next = lineEnd == std::u16string::npos ? text.size() + 1 : lineEnd + 1;
        if (lineEnd == std::u16string::npos) {
            lineEnd = text.size();
        } else if (lineEnd > lineStart && text[lineEnd - 1] == u'\r') {
            --lineEnd;
        }
        const std::u16string_view line(text.data() + lineStart, lineEnd - lineStart);
        const std::size_t firstTab = line.find(u'\t');
        const std::size_t secondTab =
            firstTab == line.npos ? line.npos : line.find(u'\t', firstTab + 1);
        if (secondTab != line.npos && line.find(u'\t', secondTab + 1) == line.npos) {
            Entry entry{lineStart + firstTab + 1, secondTab - firstTab - 1,
                        lineStart + secondTab + 1, line.size() - secondTab - 1};
            auto key = text.begin() + static_cast<std::ptrdiff_t>(entry.keyOffset);
            std::transform(key, key + static_cast<std::ptrdiff_t>(entry.keyLength), key,
                           lowerAsciiLetter);
            entries.push_back(entry);
        }
        lineStart = next;
    }

    // Stable, so that among equal keys the file's last line ends up last and wins.
    const auto byKey = [&dictionary](const Entry& a, const Entry& b) {
        return dictionary.keyOf(a) < dictionary.keyOf(b);
    };
    std::stable_sort(entries.begin(), entries.end(), byKey);
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
    char buffer[1 << 16];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        bytes.append(buffer, got);
        if (got < sizeof buffer) {
            break;
        }
    }
    if (std::ferror(file.get())) {
        const int error = errno;
        pronunciationDictionary() = PronunciationDictionary();
        return failure(error);
    }
    pronunciationDictionary() = PronunciationDictionary::fromFileText(bytes);
    return {};
}

} // namespace kestrano
