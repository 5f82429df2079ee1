// Rewrites one file for ever through the game's crash-safe rewrite, by turns
// with two contents that differ in every byte, until it is killed: whatever
// the moment of the kill, the file must hold the one or the other whole.
// Started and killed by tests/e2e/windows.sh.
#include "system/safe_file.h"

#include <string>

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::string contents[2] = {std::string(256 * 1024, 'a'), std::string(256 * 1024, 'b')};
    for (unsigned turn = 0;; turn ^= 1)
        if (!replace_file(argv[1], contents[turn])) return 1;
}
