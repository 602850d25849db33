#include "assetgen.h"

#include <cstdio>

bool writeCharacter(const std::string&)
{
    std::fprintf(stderr, "assetgen: the character is not generated yet\n");
    return false;
}
