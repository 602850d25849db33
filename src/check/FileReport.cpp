#include "check/FileReport.h"

std::string sizeText(long long width, long long height)
{
    return std::to_string(width) + " x " + std::to_string(height);
}
