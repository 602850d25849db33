// The character as a person sees it: standing in the hall, stepping through its idle with
// '5' and '6', walking away with 'f'.
#include "RunningProgram.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace std::chrono;

namespace {

class CharacterTest : public RunningProgram {
protected:
    // From the start, a quarter turn to the left faces the character at (8, 0, 8).
    void SetUp() override
    {
        RunningProgram::SetUp();
        if (!HasFatalFailure())
            turnLeft(628);
    }

    // Presses the key the given number of times, one press at a time. The program ignores key
    // repeat: a release it handles only after the next press has come reads as a held key, so
    // each press waits for the program to catch up, as a person's would.
    Screenshot afterPresses(const std::string& key, int times)
    {
        for (int i = 0; i < times; ++i) {
            session.key(key);
            Session::settle(std::chrono::milliseconds(250));
        }
        return session.stableScreenshot();
    }

    // The frame the model was last drawn with, from its draw line on the console. The console
    // reaches its file in buffer-sized pieces, later the slower the program draws: wait until
    // the expected frame shows, or give the last one seen.
    int lastDrawnFrame(int expected)
    {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        int frame = -1;
        do {
            Session::settle(std::chrono::milliseconds(200));
            std::string console = session.console();
            std::size_t at = console.rfind(". frame ");
            frame = at == std::string::npos ? -1 : std::atoi(console.c_str() + at + 8);
        } while (frame != expected && std::chrono::steady_clock::now() < deadline);
        return frame;
    }
};

TEST_F(CharacterTest, FrameKeysStepThroughTheIdleAndWrap)
{
    Screenshot frame0 = session.stableScreenshot();
    keep(frame0, "frame0");
    Screenshot frame10 = afterPresses("6", 10);
    keep(frame10, "frame10");
    EXPECT_EQ(lastDrawnFrame(10), 10);
    EXPECT_GT(frame10.differenceFrom(frame0), 0.0005) << "'6' did not change the character's pose";
    Screenshot frame40 = afterPresses("6", 30);
    EXPECT_EQ(lastDrawnFrame(0), 0);
    EXPECT_LT(frame40.differenceFrom(frame0), 0.0001) << "forty steps did not come back to frame 0";
    Screenshot frame39 = afterPresses("5", 1);
    EXPECT_EQ(lastDrawnFrame(39), 39);
    EXPECT_GT(frame39.differenceFrom(frame0), 0.0) << "'5' at frame 0 did not go to the last frame";
    Screenshot again0 = afterPresses("6", 1);
    EXPECT_LT(again0.differenceFrom(frame0), 0.0001);
}

TEST_F(CharacterTest, CharacterWalksAwayAndTurns)
{
    Screenshot standing = session.stableScreenshot();
    keep(standing, "standing");
    EXPECT_LT(standing.whiteShare(), 0.05);
    hold("r", milliseconds(1500));
    Screenshot turned = session.stableScreenshot();
    keep(turned, "turned");
    EXPECT_GT(turned.differenceFrom(standing), 0.0) << "'r' did not turn the character";
    hold("f", milliseconds(300));
    Screenshot walked = session.stableScreenshot();
    keep(walked, "walked");
    EXPECT_GT(walked.differenceFrom(turned), 0.002) << "'f' did not move the character";
}

// A character as collectors keep them: the model in a folder of its own, its skin a 256-colour
// PCX file (made here by ImageMagick from our skin; -auto-orient, as ImageMagick keeps a
// bottom-up TGA file's rows as they are stored) stored under a game path and a name in
// other letter case. Started with --model only, the program finds that skin by the stored name
// and draws the character as it draws our pilgrim with its TGA skin.
class OwnCharacter : public CharacterTest {
protected:
    OwnCharacter()
    {
        const std::string folder = session.path("models/wanderer/");
        std::filesystem::create_directories(folder);
        std::ifstream in(std::string(HALVANE_SOURCE_DIR) + "/bin/pelgrin.md2", std::ios::binary);
        std::string model((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const std::string stored = "players/wanderer/skin.pcx";
        model.replace(68, 64, stored + std::string(64 - stored.size(), '\0'));  // the one stored skin name
        std::ofstream(folder + "tris.md2", std::ios::binary) << model;
        const std::string convert = "convert " + std::string(HALVANE_SOURCE_DIR) + "/bin/pelgrin2.tga -auto-orient -colors 256 " +
                                    folder + "SKIN.PCX";
        converted = std::system(convert.c_str()) == 0;
        arguments = {"--model", "../models/wanderer/tris.md2"};
    }

    bool converted = false;
};

TEST_F(OwnCharacter, ModelInAnotherFolderWearsTheSkinItNames)
{
    ASSERT_TRUE(converted) << "ImageMagick's convert (tools/install-deps test) did not make the skin";
    EXPECT_TRUE(session.waitForConsole("loading pcx file: ../models/wanderer/SKIN.PCX\n", seconds(5)))
        << session.console().substr(0, 4000);
    const Screenshot own = session.stableScreenshot();
    keep(own, "pcx-skin");
    // F4 rebuilds every texture from its file: the skin is read again as the PCX file it is.
    session.key("F4");
    EXPECT_TRUE(session.waitForConsole("../models/wanderer/SKIN.PCX:\nloading pcx file: ../models/wanderer/SKIN.PCX\n",
                                       seconds(5)))
        << session.console().substr(0, 4000);
    EXPECT_TRUE(session.running());
    session.key("F4");
    Session::settle();
    session.key("Escape");
    ASSERT_TRUE(session.waitForExit(seconds(10)).exited);
    session.start();
    ASSERT_TRUE(session.waitForWindow(seconds(30)));
    turnLeft(628);
    const Screenshot ours = session.stableScreenshot();
    keep(ours, "tga-skin");
    // The 256 colours of the PCX skin shift a few texels; a skin upside down, mirrored or
    // missing changes most of the character (about a tenth of the picture).
    EXPECT_LT(own.differenceFrom(ours), 0.003);
    EXPECT_LT(own.whiteShare(), 0.05);
}

}  // namespace
