// The room key as a person meets it: the generation log once, and rooms that show their
// tiled walls from inside and let the hall be seen through their near walls from outside.
#include "RoomLog.h"
#include "RunningProgram.h"

using namespace std::chrono;

namespace {

constexpr int WIDTH = 1024;
constexpr int HEIGHT = 768;

class RoomsTest : public RunningProgram {
protected:
    // From the start (7.5, 4, 0) looking along -x: step right (towards -z) and walk forward,
    // at 9 units a second.
    void walkTo(double right, double forward)
    {
        hold("d", milliseconds(static_cast<int>(right / 9.0 * 1000.0)));
        hold("w", milliseconds(static_cast<int>(forward / 9.0 * 1000.0)));
    }

    Screenshot pressRoomKey()
    {
        session.key("4");
        EXPECT_TRUE(session.waitForConsole(roomLog(6), seconds(10)));
        Session::settle();
        return session.stableScreenshot();
    }
};

TEST_F(RoomsTest, FirstReleasePrintsTheLogOfSevenRoomsAndTheSecondNothing)
{
    session.key("4");
    ASSERT_TRUE(session.waitForConsole(roomLog(6), seconds(10)));
    std::string expected;
    for (int k = 0; k < 7; ++k)
        expected += roomLog(k);
    std::string console = session.console();
    std::size_t start = console.find("making new room: 0:");
    ASSERT_NE(start, std::string::npos);
    EXPECT_EQ(console.substr(start, expected.size()), expected);

    session.key("4");
    Session::settle(milliseconds(800));
    EXPECT_EQ(session.console().find("making new room", start + expected.size()), std::string::npos)
        << "a second release made rooms again";
}

// Standing in the middle of the first room, (-8, 4, -8): its walls surround the view.
TEST_F(RoomsTest, InsideARoomItsTiledWallsFillTheView)
{
    walkTo(8.0, 15.5);
    Screenshot before = session.stableScreenshot();
    Screenshot inside = pressRoomKey();
    keep(inside, "inside");
    EXPECT_GT(inside.differenceFrom(before), 0.3) << "the room's walls did not appear";
    EXPECT_GT(inside.nonBlackShare(), 0.99);
    EXPECT_LT(inside.whiteShare(), 0.05) << "the room is not textured";
    EXPECT_GT(inside.colourVariety(), 30);
}

// At (-1, 4, -8), 3 units east of the first room, looking at it. Its near wall would fill
// the whole screen if it were drawn. Culled, it lets the eye into the room: the other three
// walls' insides fill the middle, while above and below them, through the room's open top
// and bottom, the hall's ceiling and floor stay in view as they were.
TEST_F(RoomsTest, FromOutsideTheNearWallIsNotDrawn)
{
    walkTo(8.0, 8.5);
    Screenshot before = session.stableScreenshot();
    Screenshot outside = pressRoomKey();
    keep(outside, "outside");
    int band = HEIGHT / 12;
    EXPECT_LT(outside.differenceFrom(before, WIDTH / 4, 0, WIDTH * 3 / 4, band), 0.01) << "hall ceiling covered";
    EXPECT_LT(outside.differenceFrom(before, WIDTH / 4, HEIGHT - band, WIDTH * 3 / 4, HEIGHT), 0.01)
        << "hall floor covered";
    EXPECT_GT(outside.differenceFrom(before, WIDTH * 2 / 5, HEIGHT * 2 / 5, WIDTH * 3 / 5, HEIGHT * 3 / 5), 0.3)
        << "the far wall's inside is missing";
}

}  // namespace
