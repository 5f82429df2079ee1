#include "tests/support/scratch_folder.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

// A new folder under a name no other test has: a random suffix, retried
// while the name is taken.
ScratchFolder::ScratchFolder() {
    static std::mt19937 names{std::random_device{}()};
    const auto temporary = std::filesystem::temp_directory_path();
    std::error_code error;
    do {
        path_ = (temporary / ("orvessa-test-" + std::to_string(names()))).generic_string();
    } while (!std::filesystem::create_directory(path_, error) && !error);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string ScratchFolder::write(const std::string& name, const std::string& bytes) const {
    std::string at = file(name);
    std::ofstream out(at, std::ios::binary);
    out << bytes;
    return at;
}

std::string ScratchFolder::read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}
