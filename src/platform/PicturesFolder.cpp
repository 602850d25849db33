#include "platform/PicturesFolder.h"

#include <sstream>

std::string picturesFromUserDirs(const std::string& text, const std::string& home)
{
    const std::string key = "XDG_PICTURES_DIR=";
    std::istringstream lines(text);
    std::string line;
    std::string found;
    // Like the shell that reads the file, the last assignment counts.
    while (std::getline(lines, line)) {
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, key.size(), key) != 0)
            continue;
        std::string value = line.substr(start + key.size());
        while (!value.empty() && (value.back() == '\r' || value.back() == ' ' || value.back() == '\t'))
            value.pop_back();
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.compare(0, 5, "$HOME") == 0)
            value = home + value.substr(5);
        found = value;
    }
    return found;
}
