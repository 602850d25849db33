// Where the program's six data files are. A folder named on the command line is used as given;
// otherwise the first of these that holds them: "../bin/" beside the working folder, as when
// the program is started from its build folder; the bin/ folder beside the executable's own
// folder (the source tree); the installed data folder, found from the executable's folder
// (<prefix>/bin/halvane reads <prefix>/share/halvane/), so that an installed tree still works
// after it has been moved.
#pragma once

#include <string>
#include <vector>

constexpr int DATA_FILE_COUNT = 6;
// In the order the program reads them.
extern const char* const DATA_FILES[DATA_FILE_COUNT];

constexpr const char* WORKING_DATA_FOLDER = "../bin/";

// The bin/ folder beside the folder that holds the executable, with a trailing separator:
// ".../build/halvane" gives ".../bin/". Empty when the path has no folder part.
std::string dataFolderBesideExecutable(const std::string& executablePath);

// The installed data folder: `relative` (from the installed executable's folder, such as
// "../share/halvane") taken from the executable's folder, with the climbs worked out:
// "/opt/h/bin/halvane" gives "/opt/h/share/halvane/". Empty when the path has no folder part.
std::string installedDataFolder(const std::string& executablePath, const std::string& relative);

// The folder as the file names are put after it: with a trailing separator, "./" for "".
std::string withSeparator(std::string folder);

// A folder holds the program's data when any of the data files stands in it: a folder that
// holds some of them is the data folder even if one is missing or broken, so that the
// program names that file rather than quietly reading another folder's copy.
bool holdsProgramData(const std::string& folder);

struct DataFolderChoice {
    std::string folder;   // with a trailing separator, ready to take a file name
    std::string failure;  // names every place tried, in order, when none holds the data
};

// The places looked in without a folder on the command line, in order, each ending in a
// separator; a place the executable's path cannot give is left out.
std::vector<std::string> dataFolderPlaces(const std::string& executablePath);

// `given` is the command line's folder (empty when none was given): it is used as given, with
// no other place tried; without it, the first of dataFolderPlaces that holds the data.
DataFolderChoice chooseDataFolder(const std::string& given, const std::string& executablePath);
