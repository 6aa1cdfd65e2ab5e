// Runs saved inputs through a fuzz target without libFuzzer, so that the
// ordinary build keeps the seeds and the inputs of past failures as tests.
// Arguments are files or folders; a folder's regular files run in name order,
// except dotfiles such as the .gitkeep of a folder that is still empty.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const fs::path argument = argv[i];
        if (fs::is_regular_file(argument)) {
            inputs.push_back(argument);
            continue;
        }
        if (!fs::is_directory(argument)) {
            std::fprintf(stderr, "%s: no such file or folder\n", argv[i]);
            return 2;
        }
        std::vector<fs::path> files;
        for (const fs::directory_entry& entry : fs::directory_iterator(argument)) {
            if (entry.is_regular_file() && !entry.path().filename().string().starts_with('.')) {
                files.push_back(entry.path());
            }
        }
        std::sort(files.begin(), files.end());
        inputs.insert(inputs.end(), files.begin(), files.end());
    }
    if (inputs.empty()) {
        std::fprintf(stderr, "no inputs to replay\n");
        return 2;
    }

    for (const fs::path& input : inputs) {
        std::ifstream file(input, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "%s: cannot be read\n", input.c_str());
            return 2;
        }
        // A copy of exactly the input's size, as libFuzzer passes it.
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                              std::istreambuf_iterator<char>()};
        std::printf("%s\n", input.c_str());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return 0;
}
