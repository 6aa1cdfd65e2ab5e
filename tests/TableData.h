// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Expected-value tables live in tests/data/ as UTF-8 text: one row per line,
// fields separated by TABs, blank lines and lines starting with "#" skipped.
// In a field, \t, \n, \r, \\ and \xHH stand for a TAB, a line feed, a carriage
// return, a backslash and one byte, so that a row can hold what a plain text
// line cannot.
using TableRow = std::vector<std::string>;

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
            const std::string_view plain = "tnr", meant = "\t\n\r";
            const std::size_t at = plain.find(next);
            out += at == std::string_view::npos ? next : meant[at];
        }
    }
    return out;
}

inline std::vector<TableRow> readTable(const std::string& name)
{
    const std::string path = std::string(KESTRANO_TEST_DATA_DIR) + "/" + name;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read the test table " + path);
    }
    std::vector<TableRow> rows;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.starts_with('#')) {
            continue;
        }
        TableRow& row = rows.emplace_back();
        for (std::size_t start = 0;;) {
            const std::size_t tab = line.find('\t', start);
            row.push_back(unescapeField(line.substr(start, tab - start)));
            if (tab == std::string::npos) {
                break;
            }
            start = tab + 1;
        }
    }
    return rows;
}
