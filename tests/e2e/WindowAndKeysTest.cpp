// What a person sees of the window and the keys that end or do not end the program.
#include "RunningProgram.h"

using namespace std::chrono;

namespace {

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
    session.key("F11");
    session.key("F12");
    Session::settle(milliseconds(600));
    session.keyUp("shift+w");
    Session::settle();
    Screenshot after = session.stableScreenshot();
    EXPECT_TRUE(session.running());
    EXPECT_LT(after.differenceFrom(before), 0.001) << "an upper-case W or F11 moved the view";
}

}  // namespace
