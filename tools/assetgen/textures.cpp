#include "assetgen.h"

#include <cstdio>

bool writeTextures(const std::string&)
{
    std::fprintf(stderr, "assetgen: the textures are not generated yet\n");
    return false;
}
