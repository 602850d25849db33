#include "check/CheckCommand.h"

#include "check/DataCheck.h"
#include "data/DataFolder.h"
#include "platform/ExecutablePath.h"

#include <string>

namespace {

constexpr const char* USAGE =
    "usage: halvane-check [FOLDER]\n"
    "Reads the six data files (kachel2.tga, ceiling.tga, walls.txt, ceiling.txt, pelgrin.md2,\n"
    "pelgrin2.tga) as halvane reads them and says what it will make of them. Without FOLDER it\n"
    "checks the folder halvane itself would use. Status 0: halvane starts; 1: it would not.\n";

// File names are put right after the folder, as the program puts them after "../bin/".
std::string withSeparator(std::string folder)
{
    if (folder.empty())
        return "./";
    if (folder.back() != '/' && folder.back() != '\\')
        folder += '/';
    return folder;
}

}  // namespace

int runDataCheck(int argc, const char* const* argv, std::ostream& out)
{
    const std::string argument = argc > 1 ? argv[1] : "";
    if (argc > 2 || argument == "-h" || argument == "--help") {
        out << USAGE;
        return argc > 2 ? 2 : 0;
    }
    if (argc == 2)
        return checkDataFolder(withSeparator(argument), out);
    const DataFolderChoice choice = chooseDataFolder(executablePath());
    if (!choice.failure.empty()) {
        out << choice.failure << "\n";
        return 1;
    }
    return checkDataFolder(choice.folder, out);
}
