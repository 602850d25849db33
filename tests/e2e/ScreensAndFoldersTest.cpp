// Today's screens and folders: the picture keeps its proportions on a wide screen, and the
// program finds its data beside its executable when started from any other folder.
#include "RunningProgram.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace fs = std::filesystem;
using namespace std::chrono;

namespace {

Screenshot firstView(int width, int height)
{
    Session session(width, height);
    EXPECT_FALSE(session.display().empty()) << "no X server";
    session.useCommittedData();
    session.start();
    EXPECT_TRUE(session.waitForWindow(seconds(30))) << session.console().substr(0, 3000);
    return session.stableScreenshot();
}

// The same 60 degrees from top to bottom on both screens: the wide one shows the 4:3 picture
// in its middle and more of the hall at the sides, not the 4:3 picture stretched.
TEST(WideScreen, MiddleOfTheWidePictureIsTheFourThreePicture)
{
    const Screenshot wide = firstView(1920, 1080);
    const Screenshot narrow = firstView(1440, 1080);
    wide.savePng(screenshotDir() + "/WideScreen-1920x1080.png");
    ASSERT_EQ(wide.width, 1920);
    ASSERT_EQ(narrow.width, 1440);
    Screenshot middle;
    middle.width = 1440;
    middle.height = 1080;
    for (int y = 0; y < 1080; ++y)
        for (int x = 240; x < 1680; ++x) {
            const Screenshot::Pixel p = wide.at(x, y);
            middle.rgb.insert(middle.rgb.end(), {std::uint8_t(p.r), std::uint8_t(p.g), std::uint8_t(p.b)});
        }
    EXPECT_LT(middle.differenceFrom(narrow), 0.001) << "the wide picture is not the 4:3 one widened";
    EXPECT_GT(wide.nonBlackShare(), 0.99) << "parts of the wide screen are not drawn";
}

// A layout like the repository's: the program in app/build/, its data in app/bin/. The working
// folder is the scratch folder's build/, whose ../bin/ is empty.
class StartedElsewhere : public testing::Test {
protected:
    Session session;
    std::string program = session.path("app/build/halvane");

    void SetUp() override
    {
        ASSERT_FALSE(session.display().empty()) << "no X server";
        fs::create_directories(session.path("app/build"));
        fs::copy_file(HALVANE_BINARY, program);
    }
};

TEST_F(StartedElsewhere, ReadsEveryFileFromTheBinFolderBesideTheProgram)
{
    session.copyCommittedData("app/bin");
    session.start(program);
    ASSERT_TRUE(session.waitForWindow(seconds(30))) << session.console().substr(0, 3000);
    const std::string folder = session.path("app/bin/");
    const std::string console = session.console();
    for (const char* line : {"loading tga file: ", "loading level architectur part: ", "loading model number 0: "})
        EXPECT_NE(console.find(line + folder), std::string::npos) << line << "\n" << console.substr(0, 3000);
    // The texture rebuild reads the same files again.
    session.key("F4");
    EXPECT_TRUE(session.waitForConsole("\nreloading:\n" + folder + "kachel2.tga:\n", seconds(10)))
        << session.console().substr(console.size());
    EXPECT_TRUE(session.running());
}

TEST_F(StartedElsewhere, WithoutDataAnywhereNamesEveryPlaceTried)
{
    session.start(program);
    const ExitResult result = session.waitForExit(seconds(10));
    ASSERT_TRUE(result.exited);
    EXPECT_FALSE(result.signaled);
    EXPECT_EQ(result.status, 1);
    const std::string message = "cannot find the data files (kachel2.tga and the rest): looked in ../bin/, then " +
                                session.path("app/bin/") + ", then " + session.path("app/share/halvane/") + "\n";
    const std::string console = session.console();
    ASSERT_GE(console.size(), message.size());
    EXPECT_EQ(console.substr(console.size() - message.size()), message);
}

}  // namespace

namespace {

// A folder named on the command line is the data folder, even where ../bin/ holds data too.
TEST(FolderGiven, EveryFileComesFromTheFolderGiven)
{
    Session session;
    ASSERT_FALSE(session.display().empty()) << "no X server";
    session.useCommittedData();
    session.copyCommittedData("mine");
    session.start(HALVANE_BINARY, {"../mine"});
    ASSERT_TRUE(session.waitForWindow(seconds(30))) << session.console().substr(0, 3000);
    const std::string console = session.console();
    for (const char* file : {"kachel2.tga", "ceiling.tga", "walls.txt", "ceiling.txt", "pelgrin.md2", "pelgrin2.tga"})
        EXPECT_NE(console.find("../mine/" + std::string(file) + "\n"), std::string::npos) << file;
    EXPECT_EQ(console.find("../bin/"), std::string::npos);
}

struct Answer {
    int status = -1;
    std::string out;
    std::string errors;
};

// Runs a program with no display at all, as a script would: the command line is answered
// before any window could be opened.
Answer runWithoutDisplay(const std::string& program, const std::string& arguments)
{
    const std::string errors = fs::temp_directory_path().string() + "/halvane-command-line-errors.txt";
    const std::string command = "cd / && env -u DISPLAY " + program + " " + arguments + " 2>" + errors;
    Answer answer;
    std::FILE* pipe = popen(command.c_str(), "r");
    char chunk[4096];
    for (std::size_t got; pipe && (got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;)
        answer.out.append(chunk, got);
    const int status = pipe ? pclose(pipe) : -1;
    answer.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(errors);
    answer.errors.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    fs::remove(errors);
    return answer;
}

TEST(CommandLine, AnsweredWithoutADisplayWithExactTextsAndStatuses)
{
    for (const std::string program : {"halvane", "halvane-check"}) {
        const std::string binary = program == "halvane" ? HALVANE_BINARY : HALVANE_CHECK_BINARY;
        const Answer version = runWithoutDisplay(binary, "--version");
        EXPECT_EQ(version.status, 0);
        EXPECT_EQ(version.out, program + " 1.0.0\n");

        const Answer help = runWithoutDisplay(binary, "--help");
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out.rfind("usage: " + program + " [OPTION]... [FOLDER]\n", 0), 0u) << help.out;
        EXPECT_TRUE(help.errors.empty()) << help.errors;

        const Answer unknown = runWithoutDisplay(binary, "--fly");
        EXPECT_EQ(unknown.status, 2);
        EXPECT_TRUE(unknown.out.empty()) << unknown.out;
        EXPECT_EQ(unknown.errors, program + ": unknown option '--fly'; see '" + program + " --help'\n");

        const Answer nowhere = runWithoutDisplay(binary, "/nowhere");
        EXPECT_EQ(nowhere.status, 1);
        const std::string line = "cannot find the data files (kachel2.tga and the rest) in /nowhere/, the folder given\n";
        ASSERT_GE(nowhere.out.size(), line.size()) << nowhere.out;
        EXPECT_EQ(nowhere.out.substr(nowhere.out.size() - line.size()), line);
    }
    const Answer help = runWithoutDisplay(HALVANE_BINARY, "--help");
    for (const char* part : {"../bin/ from the working folder", "\n  w s ", "\n  F10 ", "\n  Escape "})
        EXPECT_NE(help.out.find(part), std::string::npos) << part;
}

// The manual pages say what --help says: every option it lists, and every key's line.
TEST(CommandLine, ManualPagesNameEveryOptionAndKeyOfHelp)
{
    for (const std::string program : {"halvane", "halvane-check"}) {
        const bool game = program == "halvane";
        std::ifstream in(std::string(HALVANE_SOURCE_DIR) + "/packaging/man/" + program + (game ? ".6" : ".1"));
        std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (std::size_t at = page.find("\\-"); at != std::string::npos; at = page.find("\\-", at))
            page.erase(at, 1);
        std::istringstream help(runWithoutDisplay(game ? HALVANE_BINARY : HALVANE_CHECK_BINARY, "--help").out);
        int lines = 0;
        for (std::string line; std::getline(help, line);) {
            const std::size_t gap = line.find("  ", 2);
            if (line.rfind("  ", 0) != 0 || gap == std::string::npos)
                continue;
            const std::string name = line.substr(2, line.find(' ', 2) - 2);
            const std::string said = name[0] == '-' ? name : line.substr(line.find_first_not_of(' ', gap));
            EXPECT_NE(page.find(said), std::string::npos) << program << ": " << said;
            ++lines;
        }
        EXPECT_GE(lines, game ? 18 : 2) << program;
    }
}

}  // namespace
