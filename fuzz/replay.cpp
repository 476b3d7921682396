// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

// Feeds every file in the given directories (or the given files) to the fuzz
// target once, so a corpus runs as an ordinary test without libFuzzer.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const fs::path path = argv[i];
        if (fs::is_directory(path)) {
            for (const fs::directory_entry& entry : fs::directory_iterator(path)) {
                if (entry.is_regular_file()) {
                    inputs.push_back(entry.path());
                }
            }
        } else if (fs::is_regular_file(path)) {
            inputs.push_back(path);
        } else {
            std::cerr << "replay: no such file or directory: " << path << '\n';
            return 2;
        }
    }
    if (inputs.empty()) {
        std::cerr << "usage: replay DIRECTORY|FILE... (found no inputs)\n";
        return 2;
    }
    std::sort(inputs.begin(), inputs.end());

    for (const fs::path& path : inputs) {
        std::ifstream file(path, std::ios::binary);
        const std::vector<char> chars{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        if (!file.good() && !file.eof()) {
            std::cerr << "replay: cannot read " << path << '\n';
            return 2;
        }
        std::vector<std::uint8_t> bytes(chars.begin(), chars.end());
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::cout << "replay: " << inputs.size() << " inputs ran\n";
    return 0;
}
