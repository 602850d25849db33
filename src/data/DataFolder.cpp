#include "data/DataFolder.h"

#include <filesystem>
#include <system_error>

const char* const DATA_FILES[DATA_FILE_COUNT] = {"kachel2.tga", "ceiling.tga", "walls.txt",
                                                 "ceiling.txt", "pelgrin.md2", "pelgrin2.tga"};

std::string dataFolderBesideExecutable(const std::string& executablePath)
{
    const std::size_t file = executablePath.find_last_of("/\\");
    if (file == std::string::npos)
        return "";
    const char separator = executablePath[file];
    // The folder above the executable's own; a program in a root folder looks in that root's bin.
    const std::size_t folder = file == 0 ? std::string::npos : executablePath.find_last_of("/\\", file - 1);
    const std::size_t parentEnd = folder == std::string::npos ? file : folder;
    return executablePath.substr(0, parentEnd + 1) + "bin" + separator;
}

bool holdsProgramData(const std::string& folder)
{
    for (const char* name : DATA_FILES) {
        std::error_code error;
        if (std::filesystem::exists(std::filesystem::path(folder + name), error))
            return true;
    }
    return false;
}

DataFolderChoice chooseDataFolder(const std::string& executablePath)
{
    DataFolderChoice choice;
    const std::string beside = dataFolderBesideExecutable(executablePath);
    if (holdsProgramData(WORKING_DATA_FOLDER))
        choice.folder = WORKING_DATA_FOLDER;
    else if (!beside.empty() && holdsProgramData(beside))
        choice.folder = beside;
    else
        choice.failure = std::string("cannot find the data files (kachel2.tga and the rest): neither ") +
                         WORKING_DATA_FOLDER + " nor " + (beside.empty() ? "the program's own folder" : beside) +
                         " holds them";
    return choice;
}
