// A parsing library's message cut to the one line a refusal is.
#include "building/BuildingRead.h"

std::string libraryFailure(const std::string& message, const char* otherwise)
{
    std::string line = message.substr(0, message.find('\n'));
    while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
        line.pop_back();
    return line.empty() ? otherwise : line;
}
