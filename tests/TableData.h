// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

// Expected-value tables live in tests/data/ as UTF-8 text: one row per line,
// fields separated by TABs, blank lines and lines starting with "#" skipped.
// In a field, \t, \n, \r, \\ and \xHH stand for a TAB, a line feed, a carriage
// return, a backslash and one byte, so that a row can hold what a plain text
// line cannot.
using TableRow = std::vector<std::string>;

// A file's bytes. One that cannot be read is an error, never an empty table.
inline std::string readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read " + path);
    }
    return {std::istreambuf_iterator<char>(file), {}};
}

inline std::string unescapeField(const std::string& field)
{
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            out += field[i];
        } else if (const char next = field[++i]; next == 'x') {
            out += static_cast<char>(std::stoi(field.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
        }
    }
    return out;
}

inline std::vector<TableRow> readTable(const std::string& name)
{
    std::vector<TableRow> rows;
    std::istringstream lines(readFile(KESTRANO_TEST_DATA_DIR "/" + name));
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && !line.starts_with('#')) {
            TableRow& row = rows.emplace_back();
            for (std::size_t start = 0, tab = 0; tab != std::string::npos; start = tab + 1) {
                tab = line.find('\t', start);
                row.push_back(unescapeField(line.substr(start, tab - start)));
            }
        }
    }
    return rows;
}
