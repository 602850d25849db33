#include "app/options.h"

#include "cli/BuildingOptions.h"
#include "cli/CharacterOptions.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

CommandLineOptions commandLine;

namespace {

// GLUT's own options are handed to glutInit as they were given.
std::string passToGlut(CommandLineOptions& options, const std::string& name, const std::string& value)
{
    options.windowSystem.push_back(name);
    if (!value.empty())
        options.windowSystem.push_back(value);
    return "";
}

template <const char* NAME>
std::string glutOption(CommandLineOptions& options, const std::string& value)
{
    return passToGlut(options, NAME, value);
}

std::string storeSolid(CommandLineOptions& options, const std::string&)
{
    options.solid = true;
    return "";
}

std::string storeWindow(CommandLineOptions& options, const std::string&)
{
    options.window = true;
    return "";
}

std::string storeInvertMouse(CommandLineOptions& options, const std::string&)
{
    options.invertMouse = true;
    return "";
}

// A plain decimal number above 0 ("0.5", "2"): no sign, no words (inf, nan), nothing after it.
std::string storeMouseSpeed(CommandLineOptions& options, const std::string& value)
{
    const char* start = value.c_str();
    char* end = nullptr;
    const float factor = value.empty() || value[0] == '-' || value[0] == '+' ? 0.0f : std::strtof(start, &end);
    if (end == start || end == nullptr || *end != '\0' || !std::isfinite(factor) || !(factor > 0.0f))
        return "is not a number above 0";
    options.mouseSpeed = factor;
    return "";
}

constexpr char DISPLAY[] = "-display";
constexpr char GEOMETRY[] = "-geometry";
constexpr char DIRECT[] = "-direct";
constexpr char INDIRECT[] = "-indirect";
constexpr char ICONIC[] = "-iconic";
constexpr char GLDEBUG[] = "-gldebug";
constexpr char SYNC[] = "-sync";

const char* const DETAILS =
    "Data: the six data files (kachel2.tga, ceiling.tga, walls.txt, ceiling.txt, pelgrin.md2,\n"
    "pelgrin2.tga) come from FOLDER when one is given, and from nowhere else. Without FOLDER\n"
    "they come from the first of these that holds them: ../bin/ from the working folder, the\n"
    "bin/ folder beside the program's own folder, and the installed data folder beside it\n"
    "(" HALVANE_INSTALLED_DATA "/ from the program's folder).\n"
    "\n";

const char* const KEYS =
    "GLUT's own options (-display DISPLAY, -geometry WxH+X+Y, -direct, -indirect, -iconic,\n"
    "-gldebug, -sync) are passed on to GLUT.\n"
    "\n"
    "Keys (letters in lower case; movement acts while held, the rest on release):\n"
    "  mouse         look around\n"
    "  w s           walk forward, backward\n"
    "  a d           step left, right\n"
    "  f             the character walks forward while held\n"
    "  r             the character turns while held\n"
    "  5 6           the character's animation one frame back, forward\n"
    "  4             build a row of seven rooms (once)\n"
    "  c             solid walls on/off: walls stop you, doorways let you through\n"
    "                (in your own building: walk its floors and stairs, or fly free)\n"
    "  arrow keys    walk as w s a d do\n"
    "  Home          back to where and how the walk began\n"
    "  1             light normals of the character on/off\n"
    "  F1            help on/off\n"
    "  F2            frame rate on/off\n"
    "  F3            wireframe on/off\n"
    "  F4            trilinear / bilinear texture filtering\n"
    "  F5            mipmapping on/off\n"
    "  F6 to F9      vertex arrays, display lists, frustum culling, transparency (announced only)\n"
    "  F10           the character's position and heading on/off\n"
    "  F11           full screen or a window (Alt+Enter too)\n"
    "  F12           save a screenshot (halvane-0001.png, ...) in your pictures folder\n"
    "  Escape        quit\n";

std::vector<OptionRow> halvaneRows()
{
    std::vector<OptionRow> rows = characterOptionRows();
    const std::vector<OptionRow> building = buildingOptionRows();
    rows.insert(rows.end(), building.begin(), building.end());
    rows.insert(rows.end(), {
            {"--solid", nullptr, "start with solid walls (the key c switches them)", storeSolid},
            {"--window", nullptr, "start in a window rather than full screen", storeWindow},
            {"--mouse-speed", "FACTOR", "turn FACTOR times as fast with the mouse (1: as usual)", storeMouseSpeed},
            {"--invert-mouse", nullptr, "moving the mouse up looks down", storeInvertMouse},
            {DISPLAY, "DISPLAY", nullptr, glutOption<DISPLAY>},
            {GEOMETRY, "GEOMETRY", nullptr, glutOption<GEOMETRY>},
            {DIRECT, nullptr, nullptr, glutOption<DIRECT>},
            {INDIRECT, nullptr, nullptr, glutOption<INDIRECT>},
            {ICONIC, nullptr, nullptr, glutOption<ICONIC>},
            {GLDEBUG, nullptr, nullptr, glutOption<GLDEBUG>},
            {SYNC, nullptr, nullptr, glutOption<SYNC>},
    });
    return rows;
}

}  // namespace

const ProgramDescription& halvaneProgram()
{
    static const ProgramDescription program = {
        "halvane",
        "[OPTION]... [FOLDER]",
        "A first-person walk-through of a hall, with rooms to build and an animated character.",
        std::string(DETAILS) + CHARACTER_OPTIONS_DETAILS + "\n" + BUILDING_OPTIONS_DETAILS + "\n" + KEYS,
        halvaneRows(),
    };
    return program;
}

void readCommandLineOrEnd(int argc, const char* const* argv)
{
    const CommandLineResult result = parseCommandLine(halvaneProgram(), argc, argv);
    if (result.outcome == CommandLineOutcome::Run) {
        commandLine = result.options;
        return;
    }
    std::FILE* stream = result.outcome == CommandLineOutcome::Mistake ? stderr : stdout;
    std::fputs(result.text.c_str(), stream);
    std::fflush(stream);
    std::exit(result.status());
}
