// The character as a person sees it: standing in the hall, stepping through its idle with
// '5' and '6', walking away with 'f'.
#include "RunningProgram.h"

#include <cstdlib>

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

}  // namespace
