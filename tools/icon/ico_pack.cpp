// orvessa_icon_pack <out.ico> <picture.png>...
// Packs the icon's pictures, one a size, into a Windows icon file.
#include "tools/icon/ico_writer.h"

#include <cstdio>
#include <fstream>
#include <sstream>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <out.ico> <picture.png>...\n", argv[0]);
        return 2;
    }
    std::vector<std::string> pngs;
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        pngs.push_back(bytes.str());
    }
    std::string why;
    const std::string icon = ico_from_pngs(pngs, &why);
    std::ofstream out(argv[1], std::ios::binary);
    if (icon.empty() || !out.write(icon.data(), static_cast<std::streamsize>(icon.size()))) {
        std::fprintf(stderr, "%s: cannot write %s: %s\n", argv[0], argv[1],
                     why.empty() ? "write failed" : why.c_str());
        return 1;
    }
    return 0;
}
