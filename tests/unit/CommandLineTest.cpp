// Both programs' command lines, read without a window: what each argument list asks for, and
// the one line and status a mistake gets.
#include "app/options.h"
#include "check/CheckCommand.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

CommandLineResult parse(const ProgramDescription& program, std::vector<const char*> arguments)
{
    arguments.insert(arguments.begin(), program.name);
    return parseCommandLine(program, static_cast<int>(arguments.size()), arguments.data());
}

struct MistakeRow {
    std::vector<const char*> arguments;
    const char* line;
};

TEST(CommandLine, MistakesAreOneLineNamingTheArgumentWithStatusTwo)
{
    const MistakeRow rows[] = {
        {{"--fly"}, "halvane: unknown option '--fly'; see 'halvane --help'\n"},
        {{"--fly=high"}, "halvane: unknown option '--fly'; see 'halvane --help'\n"},
        {{"-x"}, "halvane: unknown option '-x'; see 'halvane --help'\n"},
        {{"one", "two"}, "halvane: one folder only, not also 'two'; see 'halvane --help'\n"},
        {{"--help=me"}, "halvane: '--help' takes no value; see 'halvane --help'\n"},
        {{"-display"}, "halvane: '-display' needs a value (DISPLAY); see 'halvane --help'\n"},
        {{""}, "halvane: an empty folder name; see 'halvane --help'\n"},
        {{"--mouse-speed", "-x"}, "halvane: '-x' for --mouse-speed is not a number above 0; see 'halvane --help'\n"},
        {{"--mouse-speed=0"}, "halvane: '0' for --mouse-speed is not a number above 0; see 'halvane --help'\n"},
        {{"--mouse-speed", "nan"}, "halvane: 'nan' for --mouse-speed is not a number above 0; see 'halvane --help'\n"},
        {{"--mouse-speed", "inf"}, "halvane: 'inf' for --mouse-speed is not a number above 0; see 'halvane --help'\n"},
        {{"--mouse-speed", "2x"}, "halvane: '2x' for --mouse-speed is not a number above 0; see 'halvane --help'\n"},
        {{"--mouse-speed"}, "halvane: '--mouse-speed' needs a value (FACTOR); see 'halvane --help'\n"},
        {{"--solid=yes"}, "halvane: '--solid' takes no value; see 'halvane --help'\n"},
        {{"--level"}, "halvane: '--level' needs a value (FILE); see 'halvane --help'\n"},
        {{"--level="}, "halvane: '' for --level names no file; see 'halvane --help'\n"},
        {{"--level-scale", "0"}, "halvane: '0' for --level-scale is not a number above 0; see 'halvane --help'\n"},
        {{"--level-scale", "1e39"}, "halvane: '1e39' for --level-scale is not a number above 0; see 'halvane --help'\n"},
        {{"--level-scale=-1"}, "halvane: '-1' for --level-scale is not a number above 0; see 'halvane --help'\n"},
        {{"--up", "x"}, "halvane: 'x' for --up is not an axis (y or z); see 'halvane --help'\n"},
    };
    for (const MistakeRow& row : rows) {
        const CommandLineResult result = parse(halvaneProgram(), row.arguments);
        EXPECT_EQ(result.outcome, CommandLineOutcome::Mistake) << row.line;
        EXPECT_EQ(result.text, row.line);
        EXPECT_EQ(result.status(), 2);
    }
    const CommandLineResult check = parse(checkProgram(), {"--solid"});
    EXPECT_EQ(check.text, "halvane-check: unknown option '--solid'; see 'halvane-check --help'\n");
}

TEST(CommandLine, FolderAndGlutOptionsInAnyOrder)
{
    for (const std::vector<const char*>& arguments :
         {std::vector<const char*>{"-display", ":3", "levels/mine", "-sync"},
          std::vector<const char*>{"levels/mine", "-display", ":3", "-sync"}}) {
        const CommandLineResult result = parse(halvaneProgram(), arguments);
        ASSERT_EQ(result.outcome, CommandLineOutcome::Run) << result.text;
        EXPECT_EQ(result.options.folder, "levels/mine");
        EXPECT_EQ(result.options.windowSystem, (std::vector<std::string>{"-display", ":3", "-sync"}));
    }
    const CommandLineResult visitor = parse(halvaneProgram(), {"--invert-mouse", "--mouse-speed=0.25", "--window", "--solid"});
    EXPECT_TRUE(visitor.options.invertMouse && visitor.options.window && visitor.options.solid);
    EXPECT_EQ(visitor.options.mouseSpeed, 0.25f);
    // Both programs take the character's model and skin, before or after the folder.
    for (const ProgramDescription* program : {&halvaneProgram(), &checkProgram()}) {
        const CommandLineResult result = parse(*program, {"--skin=my skin.pcx", "levels/mine", "--model", "m/tris.md2"});
        ASSERT_EQ(result.outcome, CommandLineOutcome::Run) << result.text;
        EXPECT_EQ(result.options.folder + "|" + result.options.model + "|" + result.options.skin,
                  "levels/mine|m/tris.md2|my skin.pcx");
        const CommandLineResult building = parse(*program, {"--level", "my house.glb", "--level-scale=0.01", "--up", "z"});
        EXPECT_EQ(building.options.level, "my house.glb");
        EXPECT_EQ(building.options.levelScale, 0.01f);
        EXPECT_TRUE(building.options.zUp);
        EXPECT_EQ(parse(*program, {"--model="}).text,
                  std::string(program->name) + ": '' for --model names no file; see '" + program->name + " --help'\n");
    }
    // After "--" a name that looks like an option is a folder.
    EXPECT_EQ(parse(halvaneProgram(), {"--", "--odd"}).options.folder, "--odd");
    EXPECT_TRUE(parse(halvaneProgram(), {}).options.folder.empty());
}

TEST(CommandLine, HelpAndVersionEndTheReadingWithStatusZero)
{
    for (const ProgramDescription* program : {&halvaneProgram(), &checkProgram()}) {
        const CommandLineResult version = parse(*program, {"--version", "--fly"});
        EXPECT_EQ(version.outcome, CommandLineOutcome::Version);
        EXPECT_EQ(version.text, std::string(program->name) + " 1.0.0\n");
        const CommandLineResult help = parse(*program, {"folder", "--help"});
        EXPECT_EQ(help.outcome, CommandLineOutcome::Help);
        EXPECT_EQ(help.status(), 0);
        EXPECT_EQ(help.text.rfind(std::string("usage: ") + program->name + " [OPTION]... [FOLDER]\n", 0), 0u);
        EXPECT_NE(help.text.find("\n  --version             show the version and end\n"), std::string::npos);
    }
    // GLUT's options are passed on, not offered as the program's own.
    EXPECT_EQ(parse(halvaneProgram(), {"--help"}).text.find("\n  -display"), std::string::npos);
}

}  // namespace
