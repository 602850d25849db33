#include "data/DataFolder.h"

#include "platform/OpenFile.h"

#ifndef HALVANE_INSTALLED_DATA
#define HALVANE_INSTALLED_DATA "../share/halvane"
#endif

const char* const DATA_FILES[DATA_FILE_COUNT] = {"kachel2.tga", "ceiling.tga", "walls.txt",
                                                 "ceiling.txt", "pelgrin.md2", "pelgrin2.tga"};

namespace {

constexpr const char* MISSING = "cannot find the data files (kachel2.tga and the rest)";

bool isSeparator(char c)
{
    return c == '/' || c == '\\';
}

}  // namespace

std::string dataFolderBesideExecutable(const std::string& executablePath)
{
    return installedDataFolder(executablePath, "../bin");
}

std::string installedDataFolder(const std::string& executablePath, const std::string& relative)
{
    std::size_t end = executablePath.find_last_of("/\\");
    if (end == std::string::npos)
        return "";
    const char separator = executablePath[end];
    std::string rest = relative;
    // Each "../" climbs one folder; a program in a root folder stays in that root.
    while (rest.size() >= 3 && rest.compare(0, 2, "..") == 0 && isSeparator(rest[2])) {
        rest.erase(0, 3);
        if (end > 0) {
            const std::size_t above = executablePath.find_last_of("/\\", end - 1);
            end = above == std::string::npos ? end : above;
        }
    }
    for (char& c : rest)
        if (isSeparator(c))
            c = separator;
    return withSeparator(executablePath.substr(0, end + 1) + rest);
}

std::string withSeparator(std::string folder)
{
    if (folder.empty())
        return "./";
    if (!isSeparator(folder.back()))
        folder += folder.find('\\') != std::string::npos && folder.find('/') == std::string::npos ? '\\' : '/';
    return folder;
}

bool holdsProgramData(const std::string& folder)
{
    for (const char* name : DATA_FILES)
        if (pathExists(folder + name))
            return true;
    return false;
}

std::vector<std::string> dataFolderPlaces(const std::string& executablePath)
{
    std::vector<std::string> places = {WORKING_DATA_FOLDER};
    for (const std::string& place : {dataFolderBesideExecutable(executablePath),
                                     installedDataFolder(executablePath, HALVANE_INSTALLED_DATA)})
        if (!place.empty())
            places.push_back(place);
    return places;
}

DataFolderChoice chooseDataFolder(const std::string& given, const std::string& executablePath)
{
    DataFolderChoice choice;
    if (!given.empty()) {
        const std::string folder = withSeparator(given);
        if (holdsProgramData(folder))
            choice.folder = folder;
        else
            choice.failure = std::string(MISSING) + " in " + folder + ", the folder given";
        return choice;
    }
    const std::vector<std::string> places = dataFolderPlaces(executablePath);
    std::string tried;
    for (const std::string& place : places) {
        if (holdsProgramData(place)) {
            choice.folder = place;
            return choice;
        }
        tried += (tried.empty() ? "" : ", then ") + place;
    }
    choice.failure = std::string(MISSING) + ": looked in " + tried;
    return choice;
}
