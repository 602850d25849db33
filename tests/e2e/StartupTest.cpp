// What a person sees and reads when the program starts: the loading log, the textured
// hall filling the screen, and walking and looking around in it.
#include "RunningProgram.h"

#include <fstream>

using namespace std::chrono;

namespace {

std::string textureLines(const std::string& path, int slot, int name)
{
    return "loading tga file: " + path + "\nbinding texture: id = " + std::to_string(name) +
           "binding... allTextures[" + std::to_string(slot) + "] = " + std::to_string(name) + "\n";
}

std::string architectureLines(const std::string& path, int count)
{
    return "loading level architectur part: " + path + "\n\n" + std::to_string(count) +
           " vertices and texture coordinates found\n\nloading vertices:\n..vertices and texture coordinates loaded.\n";
}

// Lines in an architecture file are records: one record per line in our data.
int recordsIn(const std::string& name)
{
    std::ifstream in(std::string(HALVANE_SOURCE_DIR) + "/bin/" + name);
    int lines = 0;
    for (std::string line; std::getline(in, line);)
        lines += !line.empty();
    return lines;
}

using StartupTest = RunningProgram;

TEST_F(StartupTest, ConsoleShowsTheLoadingStepsInOrder)
{
    std::string console = session.console();
    std::string expected = "setting animationsequence 0\nsetting animationsequence 0\n" +
                           textureLines("../bin/kachel2.tga", 0, 1) + textureLines("../bin/ceiling.tga", 1, 2) +
                           architectureLines("../bin/walls.txt", recordsIn("walls.txt")) +
                           architectureLines("../bin/ceiling.txt", recordsIn("ceiling.txt")) +
                           "setting animationsequence 0\n\nloading model number 0: ../bin/pelgrin.md2\n"
                           "setting animationsequence 0\n";
    ASSERT_EQ(console.substr(0, expected.size()), expected);

    std::string sequences = "file has 198 frames. Each frame has ";
    EXPECT_NE(console.find(sequences), std::string::npos);
    const int counts[] = {40, 6, 8, 4, 4, 4, 6, 12, 11, 17, 11, 12, 19, 6, 9, 4, 5, 6, 6};
    std::string split;
    for (int s = 0; s < 19; ++s)
        split += "stored animation " + std::to_string(s) + " (" + std::to_string(counts[s]) + " frames).\n";
    split += "finishing with animation 19 (8 frames).\n";
    EXPECT_NE(console.find(split), std::string::npos) << console.substr(0, 3000);
    std::string end = "computing the light normals.\n" + textureLines("../bin/pelgrin2.tga", 2, 3) +
                      "model loaded.\ngoing to draw animation sequence 0. frame 0.";
    EXPECT_NE(console.find(end), std::string::npos) << console.substr(0, 3000);
}

TEST_F(StartupTest, FirstViewIsTheTexturedHallFillingTheScreen)
{
    Screenshot shot = session.stableScreenshot();
    keep(shot, "start");
    EXPECT_GT(shot.nonBlackShare(), 0.99) << "parts of the screen are not drawn";
    EXPECT_LT(shot.whiteShare(), 0.05) << "untextured surfaces";
    EXPECT_GT(shot.colourVariety(), 40) << "the picture looks flat, not textured";
}

TEST_F(StartupTest, WalkingAndLookingChangeTheView)
{
    Screenshot start = session.stableScreenshot();
    hold("w", milliseconds(600));
    Screenshot walked = session.stableScreenshot();
    keep(walked, "walked");
    EXPECT_GT(walked.differenceFrom(start), 0.2) << "'w' held did not move the view";

    hold("s", milliseconds(600));
    Screenshot back = session.stableScreenshot();
    EXPECT_LT(back.differenceFrom(start), walked.differenceFrom(start)) << "'s' did not walk back";

    turnLeft(200);
    Screenshot turned = session.stableScreenshot();
    keep(turned, "turned");
    EXPECT_GT(turned.differenceFrom(back), 0.2) << "the mouse did not turn the view";
    EXPECT_GT(turned.nonBlackShare(), 0.99);
}

}  // namespace

namespace {

// An empty ceiling file is a level without a ceiling, not a broken one: the program starts,
// says it found no vertices, and draws the rest.
TEST(StartupWithoutCeiling, EmptyCeilingFileStartsWithoutCeiling)
{
    Session session;
    ASSERT_FALSE(session.display().empty());
    session.useCommittedData();
    session.writeBinFile("ceiling.txt", {});
    session.start();
    ASSERT_TRUE(session.waitForWindow(seconds(30))) << session.console().substr(0, 3000);
    EXPECT_NE(session.console().find("../bin/ceiling.txt\n\n0 vertices and texture coordinates found\n"),
              std::string::npos);
    Screenshot shot = session.stableScreenshot();
    EXPECT_GT(shot.colourVariety(), 40);
    EXPECT_TRUE(session.running());
}

}  // namespace
