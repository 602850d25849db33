// buildinggen DIR: writes the test building (test-building.glb, .obj, .mtl, wall.png) into DIR.
#include "test_building.h"

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
    return test_building::writeTestBuilding(dir) ? 0 : 1;
}
