// Runs a harness without libFuzzer: every file named on the command line,
// and every file under every folder named, goes through the harness once, in
// name order. A folder that does not exist holds nothing. This is how the
// committed seeds and regression inputs run under ctest.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        fs::path path = argv[i];
        if (fs::is_directory(path)) {
            for (const auto& entry : fs::recursive_directory_iterator(path))
                if (entry.is_regular_file()) files.push_back(entry.path());
        } else if (fs::exists(path)) {
            files.push_back(path);
        }
    }
    std::sort(files.begin(), files.end());
    if (files.empty()) {
        std::fprintf(stderr, "no inputs found\n");
        return 1;
    }
    for (const fs::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", file.c_str());
            return 1;
        }
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        // A copy of exactly the file's size, so that a read past its end is
        // caught here too by the address sanitizer.
        std::vector<std::uint8_t> input(bytes.begin(), bytes.end());
        auto* data = input.empty() ? nullptr : input.data();
        LLVMFuzzerTestOneInput(data, input.size());
    }
    std::printf("%zu inputs replayed\n", files.size());
    return 0;
}
