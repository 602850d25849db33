#include "check/CheckCommand.h"

#include "check/DataCheck.h"
#include "cli/CharacterOptions.h"
#include "data/DataFolder.h"
#include "platform/ExecutablePath.h"

#include <string>

const ProgramDescription& checkProgram()
{
    static const ProgramDescription program = {
        "halvane-check",
        "[OPTION]... [FOLDER]",
        "Says what halvane will make of its data files, before it is started.",
        "Reads the six data files (kachel2.tga, ceiling.tga, walls.txt, ceiling.txt, pelgrin.md2,\n"
        "pelgrin2.tga) as halvane reads them and says, file by file, what it will make of them.\n"
        "Without FOLDER it checks the folder halvane itself would use. It needs no display.\n"
        "With --model and --skin it checks the character halvane would take with them.\n"
        "Status 0: halvane starts with these files; 1: it would end at start-up; 2: a mistake on\n"
        "the command line.\n\n" + std::string(CHARACTER_OPTIONS_DETAILS),
        characterOptionRows(),
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
    return checkDataFolder(choice.folder, out, {command.options.model, command.options.skin});
}
