// assetgen DIR: writes the program's data files into DIR (normally bin/).
#include "assetgen.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    std::string dir = argv[1];
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    bool ok = writeTextures(dir) && writeLevel(dir) && writeCharacter(dir);
    return ok ? 0 : 1;
}
