#include "check/CheckCommand.h"

#include "check/DataCheck.h"
#include "cli/BuildingOptions.h"
#include "cli/CharacterOptions.h"
#include "data/DataFolder.h"
#include "platform/ExecutablePath.h"

#include <string>

namespace {

std::vector<OptionRow> checkRows()
{
    std::vector<OptionRow> rows = characterOptionRows();
    const std::vector<OptionRow> building = buildingOptionRows();
    rows.insert(rows.end(), building.begin(), building.end());
    return rows;
}

}  // namespace

const ProgramDescription& checkProgram()
{
    static const ProgramDescription program = {
        "halvane-check",
        "[OPTION]... [FOLDER]",
        "Says what halvane will make of its data files, before it is started.",
        "Reads the six data files (kachel2.tga, ceiling.tga, walls.txt, ceiling.txt, pelgrin.md2,\n"
        "pelgrin2.tga) as halvane reads them and says, file by file, what it will make of them.\n"
        "Without FOLDER it checks the folder halvane itself would use. It needs no display.\n"
        "With --model and --skin it checks the character halvane would take with them; with --level,\n"
        "the building instead of our hall: what it holds, its pictures, its size, where you start.\n"
        "Status 0: halvane starts with these files; 1: it would end at start-up; 2: a mistake on\n"
        "the command line.\n\n" + std::string(CHARACTER_OPTIONS_DETAILS) + "\n" + BUILDING_OPTIONS_DETAILS,
        checkRows(),
    };
    return program;
}

int runDataCheck(int argc, const char* const* argv, std::ostream& out, std::ostream& errors)
{
    const CommandLineResult command = parseCommandLine(checkProgram(), argc, argv);
    if (command.outcome != CommandLineOutcome::Run) {
        (command.outcome == CommandLineOutcome::Mistake ? errors : out) << command.text;
        return command.status();
    }
    const DataFolderChoice choice = chooseDataFolder(command.options.folder, executablePath());
    if (!choice.failure.empty()) {
        out << choice.failure << "\n";
        return 1;
    }
    const CommandLineOptions& o = command.options;
    return checkDataFolder(choice.folder, out, {o.model, o.skin}, {o.level, o.levelScale, o.zUp});
}
