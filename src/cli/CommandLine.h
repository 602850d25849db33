// The command line of halvane and halvane-check, read before any window opens: GNU-style
// options from a table of rows, so that a new option is one more row and one more field.
#pragma once

#include <string>
#include <vector>

// Everything a command line can ask for; each program reads the fields its own rows fill.
struct CommandLineOptions {
    std::string folder;       // the data folder given as an argument; empty when none was given
    std::string model;        // --model PATH: the character's MD2 file
    std::string skin;         // --skin PICTURE: the character's skin
    std::string level;        // --level FILE: a building of one's own instead of our hall
    float levelScale = 1.0f;  // --level-scale FACTOR: metres in one unit of the building file
    bool zUp = false;         // --up z: the building file's +Z is up
    bool solid = false;       // --solid: walls stop the visitor from the start
    bool window = false;      // --window: start in a window rather than full screen
    float mouseSpeed = 1.0f;  // --mouse-speed FACTOR: scales the mouse look
    bool invertMouse = false; // --invert-mouse: the pointer's up looks down
    // GLUT's own options with their values, in the order given, for glutInit.
    std::vector<std::string> windowSystem;
};

struct OptionRow {
    const char* name;   // "--model", or one of GLUT's, such as "-display"
    const char* value;  // what the value is called in --help ("PATH"); nullptr: the option takes none
    const char* help;   // its line in --help; nullptr keeps it out (GLUT's options)
    // Stores the value (empty for an option without one); returns why the value is refused
    // ("is not a number above 0"), or an empty string.
    std::string (*store)(CommandLineOptions& options, const std::string& value);
};

// The store of an option whose value is a file's path: any name but an empty one.
template <std::string CommandLineOptions::*path>
std::string storePath(CommandLineOptions& options, const std::string& value)
{
    if (value.empty())
        return "names no file";
    options.*path = value;
    return "";
}

struct ProgramDescription {
    const char* name;      // "halvane"
    const char* synopsis;  // what follows the name in the usage line: "[OPTION]... [FOLDER]"
    const char* summary;   // one line on what the program does
    std::string details;   // the text after the options in --help, ending in a line break
    std::vector<OptionRow> rows;  // besides --help and --version, which every program takes
};

enum class CommandLineOutcome { Run, Help, Version, Mistake };

struct CommandLineResult {
    CommandLineOutcome outcome = CommandLineOutcome::Run;
    // --help's or --version's text for standard output, or the mistake's one line.
    std::string text;
    CommandLineOptions options;

    // The status to end with when the program does not run: 0 after --help or --version,
    // 2 after a mistake.
    int status() const { return outcome == CommandLineOutcome::Mistake ? 2 : 0; }
};

// Reads argv[1] on. "--name VALUE" and "--name=VALUE" both give a value; "--" ends the
// options; one argument that is not an option is the folder, a second one is a mistake.
CommandLineResult parseCommandLine(const ProgramDescription& program, int argc, const char* const* argv);

// The --help text: usage line, summary, one line per option with help, then the details.
std::string helpText(const ProgramDescription& program);
