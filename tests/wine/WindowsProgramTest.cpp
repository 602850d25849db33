// The Windows build of the program under Wine, driven by the same harness as the Linux one: the
// zip unpacked into a folder named in letters outside any ANSI code page draws the same first
// picture, keys and mouse act, the rooms' log, the help, and both ways to end.
#include "RoomLog.h"
#include "Session.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <set>

using namespace std::chrono;

namespace {

constexpr double SCREEN_PIXELS = 1024.0 * 768.0;

// Windows programs end console lines with CR LF.
std::string withUnixLineEnds(std::string text)
{
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
    return text;
}

class WindowsProgram : public testing::Test {
protected:
    Session session;

    // Wine's prefix sits beside the Windows build; no Mono or Gecko installers are asked for.
    void SetUp() override
    {
        setenv("WINEPREFIX", HALVANE_WINE_PREFIX, 1);
        setenv("WINEDEBUG", "-all", 1);
        setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);
        // Wine turns the Unix file names it is given into Windows ones through the locale.
        setenv("LC_ALL", "C.UTF-8", 1);
    }

    void startUnderWine()
    {
        ASSERT_FALSE(session.display().empty()) << "no X server";
        session.startCommand({"wine", HALVANE_WINDOWS_PROGRAM});
    }

    void TearDown() override
    {
        // Each test's Wine processes end with its X server.
        if (std::system("wineserver -k >/dev/null 2>&1") != 0)
            std::fprintf(stderr, "wineserver -k failed\n");
    }

    Screenshot kept(const std::string& what) const
    {
        Screenshot shot = session.stableScreenshot();
        shot.savePng(screenshotDir() + "/WindowsProgram." +
                     testing::UnitTest::GetInstance()->current_test_info()->name() + "-" + what + ".png");
        return shot;
    }
};

// The DLLs a program imports, as the MinGW tools read them from its import table.
std::set<std::string> importedDlls(const std::string& program)
{
    std::set<std::string> dlls;
    std::FILE* pipe = popen((std::string(MINGW_OBJDUMP) + " -p '" + program + "'").c_str(), "r");
    char line[512];
    while (pipe && std::fgets(line, sizeof line, pipe))
        if (const char* name = std::strstr(line, "DLL Name: "))
            dlls.insert(std::string(name + 10, std::strcspn(name + 10, "\r\n")));
    if (pipe)
        pclose(pipe);
    return dlls;
}

// Many users' names and download folders hold letters outside the ANSI code page: the program
// unpacked there, started from another folder, finds its data beside it and says where.
TEST_F(WindowsProgram, ZipUnpackedUnderANonAsciiNameDrawsTheLinuxBuildsFirstPicture)
{
    Session reference;
    reference.useCommittedData();
    reference.start();
    ASSERT_TRUE(reference.waitForWindow(seconds(30))) << reference.console().substr(0, 2000);
    const Screenshot expected = reference.stableScreenshot();

    const std::string folder = session.path("Пётр 张");
    ASSERT_EQ(std::system(("mkdir -p '" + folder + "' && cd '" + folder + "' && cmake -E tar xf '" HALVANE_WINDOWS_ZIP "'").c_str()), 0);
    const std::string unpacked = folder + "/" HALVANE_WINDOWS_ZIP_FOLDER;
    const std::set<std::string> windowsOwn = {"ADVAPI32.dll", "GDI32.dll", "GLU32.dll", "KERNEL32.dll", "msvcrt.dll",
                                              "OPENGL32.dll", "SHELL32.dll", "USER32.dll", "WINMM.dll",
                                              "ole32.dll"};
    for (const char* program : {"/bin/halvane.exe", "/bin/halvane-check.exe"}) {
        const std::set<std::string> dlls = importedDlls(unpacked + program);
        EXPECT_FALSE(dlls.empty()) << program;
        for (const std::string& dll : dlls)
            EXPECT_EQ(windowsOwn.count(dll), 1u) << program << " imports " << dll;
    }

    session.startCommand({"wine", unpacked + "/bin/halvane.exe"});
    ASSERT_TRUE(session.waitForWindow(seconds(60))) << session.console().substr(0, 2000);
    const Screenshot first = kept("first");
    EXPECT_LE(first.differenceFrom(expected) * SCREEN_PIXELS, 8.0) << "pixels differ from the Linux build's";
    EXPECT_NE(session.console().find("Пётр 张\\" HALVANE_WINDOWS_ZIP_FOLDER "\\share\\halvane\\kachel2.tga"),
              std::string::npos)
        << session.console().substr(0, 2000);
}

// A building of one's own kept under such a name, its picture beside it in another letter case:
// both readers and the picture search go through the same UTF-8 file seam.
TEST_F(WindowsProgram, BuildingUnderANonAsciiNameIsReadWithItsPicture)
{
    const std::string folder = session.path("Пётр 张/дом");
    ASSERT_EQ(std::system(("mkdir -p '" + folder + "' && '" HALVANE_BUILDINGGEN "' '" + folder + "' >/dev/null && mv '" +
                           folder + "/wall.png' '" + folder + "/WALL.PNG'").c_str()),
              0);
    for (const char* file : {"/test-building.glb", "/test-building.obj"}) {
        session.startCommand({"wine", std::string(HALVANE_WINDOWS_CHECK), "--level", "Z:" + folder + file});
        const ExitResult result = session.waitForExit(seconds(60));
        ASSERT_TRUE(result.exited) << file;
        EXPECT_EQ(result.status, 0) << session.console().substr(0, 3000);
        EXPECT_NE(session.console().find("found as Z:" + folder + "/WALL.PNG"), std::string::npos)
            << session.console().substr(0, 3000);
        EXPECT_NE(session.console().find("triangles: 134"), std::string::npos) << session.console().substr(0, 3000);
    }
}

TEST_F(WindowsProgram, KeysAndMouseActAndEscapeEndsWithStatusZero)
{
    session.useCommittedData();
    startUnderWine();
    ASSERT_TRUE(session.waitForWindow(seconds(60))) << session.console().substr(0, 2000);
    Screenshot start = session.stableScreenshot();

    session.xdotool("keydown w sleep 0.3 keyup w");
    Screenshot walked = kept("walked");
    EXPECT_GT(walked.differenceFrom(start), 0.05) << "'w' did not move the view";

    session.xdotool("mousemove 420 240");
    Screenshot turned = kept("turned");
    EXPECT_GT(turned.differenceFrom(walked), 0.05) << "the mouse did not turn the view";
    int x = 0, y = 0;
    session.pointerPosition(x, y);
    EXPECT_EQ(x, 320);
    EXPECT_EQ(y, 240);

    session.key("F1");
    Screenshot help = kept("help");
    EXPECT_GT(help.differenceFrom(turned, 40, 260, 560, 530), 0.02) << "no help text";

    session.key("4");
    ASSERT_TRUE(session.waitForConsole("making new room: 6:", seconds(20)));
    session.key("Escape");
    ExitResult result = session.waitForExit(seconds(20));
    ASSERT_TRUE(result.exited);
    EXPECT_FALSE(result.signaled);
    EXPECT_EQ(result.status, 0);

    std::string rooms;
    for (int k = 0; k < 7; ++k)
        rooms += roomLog(k);
    const std::string console = withUnixLineEnds(session.console());
    const std::size_t at = console.find("making new room: 0:");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(console.substr(at, rooms.size()), rooms);
}

TEST_F(WindowsProgram, MissingTextureEndsWithTheMessageNamingIt)
{
    session.useCommittedData();
    session.removeBinFile("ceiling.tga");
    startUnderWine();
    ExitResult result = session.waitForExit(seconds(60));
    ASSERT_TRUE(result.exited);
    EXPECT_FALSE(result.signaled);
    EXPECT_NE(result.status, 0);
    EXPECT_NE(withUnixLineEnds(session.console()).find("cannot open TGA file ../bin/ceiling.tga (No such file or directory)\n"),
              std::string::npos)
        << session.console();
}

}  // namespace
