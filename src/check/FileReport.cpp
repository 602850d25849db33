#include "check/FileReport.h"

std::string sizeText(long long width, long long height)
{
    return std::to_string(width) + " x " + std::to_string(height);
}

std::string counted(long long count, const std::string& noun)
{
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}
