// The function keys as a person uses them: texts that appear and go, wireframe, and
// texture rebuilds after which every surface is still textured.
#include "RunningProgram.h"

#include <regex>

using namespace std::chrono;

namespace {

constexpr int WIDTH = 1024;
constexpr int HEIGHT = 768;

// Where no overlay text ever stands: the right part of the screen below the frame-rate line.
double sceneChange(const Screenshot& a, const Screenshot& b)
{
    return a.differenceFrom(b, 640, 100, WIDTH, HEIGHT);
}

// Where the help and the announcements stand: from (30, 300) down in the 640 x 480 overlay.
double messageChange(const Screenshot& a, const Screenshot& b)
{
    return a.differenceFrom(b, 40, 260, 560, 530);
}

class SwitchesTest : public RunningProgram {
protected:
    Screenshot release(const std::string& key)
    {
        session.key(key);
        return session.stableScreenshot();
    }
};

TEST_F(SwitchesTest, HelpComesAndGoesWithF1)
{
    Screenshot start = session.stableScreenshot();
    Screenshot help = release("F1");
    keep(help, "help");
    EXPECT_GT(messageChange(help, start), 0.02) << "no help text";
    EXPECT_LT(sceneChange(help, start), 0.001);
    Screenshot hidden = release("F1");
    EXPECT_LT(hidden.differenceFrom(start), 0.0005) << "the help did not go";
}

TEST_F(SwitchesTest, WireframeTurnsThePictureIntoLinesAndBack)
{
    Screenshot start = session.stableScreenshot();
    Screenshot lines = release("F3");
    keep(lines, "lines");
    EXPECT_LT(lines.nonBlackShare(), 0.6) << "surfaces are still filled";
    EXPECT_GT(lines.nonBlackShare(), 0.02) << "no lines drawn";
    Screenshot filled = release("F3");
    EXPECT_LT(sceneChange(filled, start), 0.001);
    EXPECT_GT(filled.nonBlackShare(), 0.99);
}

TEST_F(SwitchesTest, FrameRateLineComesWithF2)
{
    Screenshot start = session.stableScreenshot();
    session.key("F2");
    Session::settle(milliseconds(1500));
    Screenshot rate = session.screenshot();
    keep(rate, "framerate");
    EXPECT_GT(rate.differenceFrom(start, 10, 10, 900, 60), 0.02) << "no frame-rate line at the top";
    EXPECT_LT(sceneChange(rate, start), 0.001);
}

// Any sequence of rebuilds leaves every surface textured: walls, ceiling, the character's
// skin, the rooms; and each rebuild reloads the three textures in their slots.
TEST_F(SwitchesTest, TextureRebuildsKeepEverySurfaceTextured)
{
    turnLeft(628);  // the character in view
    session.key("4");
    Screenshot start = session.stableScreenshot();
    const char* sequence[] = {"F5", "F4", "F4", "F5", "F4", "F5", "F5", "F4"};
    int rebuilds = 0;
    for (const char* key : sequence) {
        Screenshot after = release(key);
        EXPECT_LT(after.whiteShare(), 0.05) << "untextured surfaces after " << key;
        EXPECT_LT(sceneChange(after, start), 0.35) << "the picture changed beyond filtering after " << key;
        ++rebuilds;
    }
    keep(session.stableScreenshot(), "after-rebuilds");
    std::regex reload("\nreloading:\n../bin/kachel2.tga:\nloading tga file: ../bin/kachel2.tga\n"
                      "binding texture: id = (\\d+)binding\\.\\.\\. allTextures\\[0\\] = \\1\n"
                      "../bin/ceiling.tga:\nloading tga file: ../bin/ceiling.tga\n"
                      "binding texture: id = (\\d+)binding\\.\\.\\. allTextures\\[1\\] = \\2\n"
                      "../bin/pelgrin2.tga:\nloading tga file: ../bin/pelgrin2.tga\n"
                      "binding texture: id = (\\d+)binding\\.\\.\\. allTextures\\[2\\] = \\3\n");
    // The last rebuild's lines may still sit in the program's output buffer: wait for them.
    auto found = [&] {
        const std::string console = session.console();
        return std::distance(std::sregex_iterator(console.begin(), console.end(), reload), std::sregex_iterator());
    };
    for (auto deadline = steady_clock::now() + seconds(30); found() < rebuilds - 1 && steady_clock::now() < deadline;)
        Session::settle(milliseconds(100));
    EXPECT_EQ(found(), rebuilds - 1) << "one F4 is refused, every other key rebuilds the three textures";
}

TEST_F(SwitchesTest, AnnouncedOnlySwitchesChangeOnlyTheMessage)
{
    Screenshot start = session.stableScreenshot();
    for (const char* key : {"F6", "F7", "F8", "F9"}) {
        Screenshot after = release(key);
        EXPECT_GT(messageChange(after, start), 0.005) << "no announcement for " << key;
        EXPECT_LT(sceneChange(after, start), 0.001) << key << " changed the picture";
    }
}

}  // namespace
