// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs saved inputs through a fuzz target without libFuzzer, so that the
// ordinary build keeps the seeds and the inputs of past failures as tests.
// Arguments are folders; their files run in name order, except dotfiles such
// as the .gitkeep of a folder that is still empty.

#include "../TableData.h"

#include <cstdint>
#include <filesystem>
#include <iostream>
#include <set>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    std::set<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i) {
        for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
            if (!entry.path().filename().string().starts_with('.')) {
                inputs.insert(entry.path());
            }
        }
    }
    for (const auto& input : inputs) {
        std::cout << input.string() << std::endl; // named before a failure aborts the run
        const std::string bytes = readFile(input);
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::cout << inputs.size() << " inputs replayed\n";
    return inputs.empty() ? 2 : 0;
}
