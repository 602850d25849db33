// Where the program's six data files are: "../bin/" beside the working folder, as when the
// program is started from its build folder, or else the bin/ folder beside the executable's
// own folder, so that it also starts from a launcher or from any other folder.
#pragma once

#include <string>

constexpr int DATA_FILE_COUNT = 6;
// In the order the program reads them.
extern const char* const DATA_FILES[DATA_FILE_COUNT];

constexpr const char* WORKING_DATA_FOLDER = "../bin/";

// The bin/ folder beside the folder that holds the executable, with a trailing separator:
// ".../build/halvane" gives ".../bin/". Empty when the path has no folder part.
std::string dataFolderBesideExecutable(const std::string& executablePath);

// A folder holds the program's data when any of the data files stands in it: a folder that
// holds some of them is the data folder even if one is missing or broken, so that the
// program names that file rather than quietly reading another folder's copy.
bool holdsProgramData(const std::string& folder);

struct DataFolderChoice {
    std::string folder;   // with a trailing separator, ready to take a file name
    std::string failure;  // names both places tried when neither holds the data
};

// The working folder's "../bin/" first, then the one beside the executable.
DataFolderChoice chooseDataFolder(const std::string& executablePath);
