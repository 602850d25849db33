#include "data/FileSearch.h"

#include "platform/OpenFile.h"

#include <algorithm>
#include <cctype>

namespace {

bool isSeparator(char c)
{
    return c == '/' || c == '\\';
}

std::vector<std::string> pathParts(const std::string& path)
{
    std::vector<std::string> parts(1);
    for (char c : path) {
        if (isSeparator(c))
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

bool absolute(const std::string& path)
{
    return (!path.empty() && isSeparator(path[0])) || (path.size() > 1 && path[1] == ':');
}

// "scheme:" at the start: a URI that is no file of ours (a drive letter has one letter only).
bool hasScheme(const std::string& path)
{
    const std::size_t colon = path.find(':');
    return colon != std::string::npos && colon > 1 &&
           std::all_of(path.begin(), path.begin() + long(colon), [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// The relative path walked part by part, each part matched in any letter case.
std::string findInside(const std::string& folder, const std::vector<std::string>& parts)
{
    std::string at = folder;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::string& part = parts[i];
        if (part.empty() || part == ".")
            continue;
        if (i + 1 == parts.size()) {
            const std::string name = matchIgnoringCase(filesInFolder(at), part);
            return name.empty() ? "" : at + name;
        }
        at += part + "/";  // folders as given: a folder's name in another case is not looked for
    }
    return "";
}

}  // namespace

std::string fileNameOf(const std::string& path)
{
    const auto separator = std::find_if(path.rbegin(), path.rend(), isSeparator);
    return std::string(separator.base(), path.end());
}

std::string folderOf(const std::string& path)
{
    return path.substr(0, path.size() - fileNameOf(path).size());
}

std::string lowerCase(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return text;
}

std::string extensionOf(const std::string& path)
{
    const std::string name = fileNameOf(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? "" : lowerCase(name.substr(dot));
}

bool plainFileName(const std::string& name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F || c == ':';
    });
}

std::string matchIgnoringCase(const std::vector<std::string>& files, const std::string& name)
{
    const std::string key = lowerCase(name);
    for (const std::string& file : files)
        if (file == name)
            return file;
    const auto file = std::find_if(files.begin(), files.end(), [&key](const std::string& f) { return lowerCase(f) == key; });
    return file == files.end() ? "" : *file;
}

NamedFile findNamedFile(const std::string& folder, const std::string& named)
{
    NamedFile result;
    const std::string shownFolder = folder.empty() ? "./" : folder;
    const std::vector<std::string> parts = pathParts(named);
    const bool climbs = std::find(parts.begin(), parts.end(), "..") != parts.end();
    const bool control = std::any_of(named.begin(), named.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
    if (named.empty() || control || (hasScheme(named) && !absolute(named))) {
        result.lookedFor = "nothing (a name that is no file in the building's folder)";
        return result;
    }
    if (absolute(named) || climbs) {
        const std::string name = fileNameOf(named);
        result.lookedFor = name + " in " + shownFolder;
        if (plainFileName(name)) {
            const std::string found = matchIgnoringCase(filesInFolder(folder), name);
            result.found = found.empty() ? "" : folder + found;
        }
        return result;
    }
    result.lookedFor = named + " in " + shownFolder;
    result.found = findInside(folder, parts);
    return result;
}
