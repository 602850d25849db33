// What a person sees of the window and the keys that end or do not end the program.
#include "RunningProgram.h"

#include <fstream>
#include <iterator>
#include <sys/stat.h>

// The saved pictures are read back as a picture viewer would, with stb_image.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wconversion"
#pragma GCC diagnostic ignored "-Wsign-conversion"
#pragma GCC diagnostic ignored "-Wshadow"
#pragma GCC diagnostic ignored "-Wunused-function"
#include <stb_image.h>
#pragma GCC diagnostic pop

using namespace std::chrono;

namespace {

Screenshot decodePng(const std::string& path)
{
    Screenshot shot;
    int channels = 0;
    unsigned char* pixels = stbi_load(path.c_str(), &shot.width, &shot.height, &channels, 3);
    if (pixels)
        shot.rgb.assign(pixels, pixels + static_cast<std::size_t>(shot.width) * static_cast<std::size_t>(shot.height) * 3);
    stbi_image_free(pixels);
    return shot;
}

std::string fileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void writeText(const std::string& path, const std::string& text)
{
    std::ofstream(path) << text;
}

using WindowAndKeys = RunningProgram;

TEST_F(WindowAndKeys, WindowCoversTheWholeScreenFromTheCorner)
{
    int x = -1, y = -1, width = 0, height = 0;
    ASSERT_TRUE(session.windowGeometry(x, y, width, height));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(width, 1024);
    EXPECT_EQ(height, 768);
}

TEST_F(WindowAndKeys, PointerIsPinnedToTheMouseLookCentre)
{
    int x = 0, y = 0;
    session.pointerPosition(x, y);
    EXPECT_EQ(x, 320);
    EXPECT_EQ(y, 240);
    session.xdotool("mousemove 400 300");
    Session::settle();
    session.pointerPosition(x, y);
    EXPECT_EQ(x, 320);
    EXPECT_EQ(y, 240);
}

TEST_F(WindowAndKeys, EscapeEndsTheProgramOnReleaseWithStatusZero)
{
    session.keyDown("Escape");
    Session::settle();
    EXPECT_TRUE(session.running()) << "Escape held must not end the program";
    session.keyUp("Escape");
    ExitResult result = session.waitForExit(seconds(5));
    ASSERT_TRUE(result.exited);
    EXPECT_FALSE(result.signaled);
    EXPECT_EQ(result.status, 0);
}

TEST_F(WindowAndKeys, UnusedKeysChangeNothing)
{
    Screenshot before = session.stableScreenshot();
    session.keyDown("shift+w");
    session.key("Prior");
    session.key("End");
    session.key("Insert");
    Session::settle(milliseconds(600));
    session.keyUp("shift+w");
    Session::settle();
    Screenshot after = session.stableScreenshot();
    EXPECT_TRUE(session.running());
    EXPECT_LT(after.differenceFrom(before), 0.001) << "an upper-case W or Page Up moved the view";
}

TEST_F(WindowAndKeys, AltEnterGivesACentredWindowThatLetsThePointerGoAndF11ComesBack)
{
    const Screenshot first = session.stableScreenshot();
    session.key("alt+Return");
    Session::settle(milliseconds(800));
    int x = -1, y = -1, width = 0, height = 0, px = 0, py = 0;
    ASSERT_TRUE(session.windowGeometry(x, y, width, height));
    EXPECT_EQ(x, 128);
    EXPECT_EQ(y, 96);
    EXPECT_EQ(width, 768);
    EXPECT_EQ(height, 576);
    session.pointerPosition(px, py);
    EXPECT_EQ(px, 128 + 384);
    EXPECT_EQ(py, 96 + 288);
    const Screenshot window = session.stableScreenshot();
    keep(window, "window");
    EXPECT_EQ(window.at(64, 48).r + window.at(64, 48).g + window.at(64, 48).b, 0) << "outside the window";
    EXPECT_GT(window.nonBlackShare(), 0.5) << "the picture fills the window";
    // Out of the window the pointer stays where the person put it, and the view does not turn.
    session.xdotool("mousemove 40 40");
    Session::settle();
    session.pointerPosition(px, py);
    EXPECT_EQ(px, 40);
    EXPECT_EQ(py, 40);
    EXPECT_LT(session.stableScreenshot().differenceFrom(window), 0.001);
    session.xdotool("mousemove 512 384");
    Session::settle();
    session.key("F11");
    Session::settle(milliseconds(800));
    ASSERT_TRUE(session.windowGeometry(x, y, width, height));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(width, 1024);
    EXPECT_EQ(height, 768);
    session.pointerPosition(px, py);
    EXPECT_EQ(px, 320);
    EXPECT_EQ(py, 240);
    EXPECT_LT(session.stableScreenshot().differenceFrom(first), 0.001) << "full screen again shows the first frame";
}

// F12 writes what is shown into the pictures folder that user-dirs.dirs names, never over a
// file, and a folder it cannot write to is said, not an end.
TEST(Screenshots, F12SavesWhatIsShownAsNewFiles)
{
    Session session;
    ASSERT_FALSE(session.display().empty()) << "no X server";
    session.useCommittedData();
    const std::string home = session.path("home");
    for (const std::string& folder : {home, home + "/Bilder", session.path("config")})
        mkdir(folder.c_str(), 0755);
    writeText(session.path("config/user-dirs.dirs"), "# written by xdg-user-dirs-update\nXDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
    session.setEnvironment("HOME", home);
    session.setEnvironment("XDG_CONFIG_HOME", session.path("config"));
    session.start();
    ASSERT_TRUE(session.waitForWindow(seconds(30))) << session.console().substr(0, 4000);

    const Screenshot shown = session.stableScreenshot();
    session.key("F12");
    const std::string first = home + "/Bilder/halvane-0001.png";
    ASSERT_TRUE(session.waitForConsole("\nscreenshot saved: " + first + "\n", seconds(10))) << session.console().substr(0, 4000);
    const Screenshot saved = decodePng(first);
    ASSERT_EQ(saved.width, 1024);
    ASSERT_EQ(saved.height, 768);
    EXPECT_LT(saved.differenceFrom(shown), 0.001) << "the file holds what the screen showed";
    const std::string firstBytes = fileBytes(first);
    session.key("F12");
    EXPECT_TRUE(session.waitForConsole("screenshot saved: " + home + "/Bilder/halvane-0002.png\n", seconds(10)));
    EXPECT_EQ(fileBytes(first), firstBytes) << "the second screenshot replaced the first";

    writeText(home + "/not-a-folder", "");
    writeText(session.path("config/user-dirs.dirs"), "XDG_PICTURES_DIR=\"$HOME/not-a-folder\"\n");
    session.key("F12");
    EXPECT_TRUE(session.waitForConsole("screenshot not saved: " + home + "/not-a-folder/halvane-0001.png: cannot create the file\n",
                                       seconds(10)));
    Session::settle();
    EXPECT_TRUE(session.running());
}

// With solid walls (--solid) walking backwards into the hall's east wall stops there; 'c' lets
// the walk through it, and 'c' again makes the wall hold from outside as well.
TEST(SolidWalls, TheWallStopsTheWalkUntilCLetsItThrough)
{
    Session session;
    ASSERT_FALSE(session.display().empty()) << "no X server";
    session.useCommittedData();
    session.start(HALVANE_BINARY, {"--solid"});
    ASSERT_TRUE(session.waitForWindow(seconds(30))) << session.console().substr(0, 4000);
    auto hold = [&](const char* key, int ms) {
        session.xdotool(std::string("keydown ") + key + " sleep " + std::to_string(ms / 1000.0) + " keyup " + key);
        Session::settle();
    };
    // Below the overlay's messages and right of where the character may stand: only walls.
    auto change = [](const Screenshot& a, const Screenshot& b) { return a.differenceFrom(b, 300, 400, 1024, 768); };
    hold("s", 2000);  // 14.5 units to the wall at 9 a second
    const Screenshot atWall = session.screenshot();
    hold("s", 500);
    EXPECT_LT(change(session.screenshot(), atWall), 0.001) << "the wall let the walk through";
    session.key("c");
    hold("s", 1000);
    const Screenshot outside = session.screenshot();
    EXPECT_GT(change(outside, atWall), 0.2) << "without solid walls the walk goes through";
    session.key("c");
    hold("w", 1500);
    const Screenshot atWallOutside = session.screenshot();
    hold("w", 500);
    EXPECT_LT(change(session.screenshot(), atWallOutside), 0.001) << "the wall let the walk in from outside";
    for (const auto& shot : {std::make_pair(&atWall, "at-wall"), std::make_pair(&outside, "outside"),
                             std::make_pair(&atWallOutside, "at-wall-from-outside")})
        shot.first->savePng(screenshotDir() + "/SolidWalls-" + shot.second + ".png");
}

}  // namespace
