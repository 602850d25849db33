// Walking a user's building (--level): up the test building's stair to its upper storey and back
// down, seen as a person sees it. The building has no roof, so above its outer walls the picture
// shows the sky; how far below the top of the far wall the eye looks tells the storey it stands on.
#include "RunningProgram.h"
#include "test_building.h"

#include <algorithm>
#include <filesystem>

using namespace std::chrono;

namespace {

constexpr double BODY_RADIUS = 0.28;     // metres: how near a wall the visitor stops
constexpr double EYE_HEIGHT = 1.6;       // metres above the feet
constexpr double TAN_HALF_VIEW = 0.57735;  // the view is 60 degrees high
// From a corner of the ground floor, or from against the opposite outer wall, to the far wall.
constexpr double FAR_WALL = test_building::WIDTH - BODY_RADIUS;

// The eye's height in metres, from the top edge of the outer wall straight ahead `distance` away:
// the first row of the middle column, coming down from the sky above the building, that is not
// the sky's bright blue lies tan 30 degrees times the distance over half the picture's height
// below the eye.
double eyeHeightSeen(const Screenshot& shot, double distance)
{
    int row = 0;
    while (row < shot.height / 2) {
        const Screenshot::Pixel p = shot.at(shot.width / 2, row);
        if (p.b < 150 || p.b < p.r + 30)
            break;
        ++row;
    }
    const double half = shot.height / 2.0;
    return test_building::WALL_HEIGHT - (half - row) / half * TAN_HALF_VIEW * distance;
}

class BuildingWalk : public RunningProgram {
protected:
    BuildingWalk()
    {
        const std::string folder = session.path("building");
        std::filesystem::create_directories(folder);
        session.start(BUILDINGGEN_BINARY, {folder});
        const ExitResult written = session.waitForExit(seconds(30));
        EXPECT_TRUE(written.exited && !written.signaled && written.status == 0) << session.console();
        arguments = {"--level", folder + "/test-building.glb"};
    }

    // Turns the view right (to the left for a negative count) by so many pixels of pointer
    // travel, 400 a radian. Each move is waited for until the program has put the pointer back
    // in the middle: a move it has not taken yet would be lost under the next.
    void turnRight(int pixels) const
    {
        while (pixels != 0) {
            const int step = std::clamp(pixels, -300, 300);
            session.xdotool("mousemove " + std::to_string(320 + step) + " 240");
            const auto deadline = steady_clock::now() + seconds(10);
            int x = 0, y = 0;
            do {
                Session::settle(milliseconds(50));
                session.pointerPosition(x, y);
            } while ((x != 320 || y != 240) && steady_clock::now() < deadline);
            pixels -= step;
        }
        Session::settle();
    }
};

// The visitor starts at the ground floor's "start" looking along -z. Walls put it in the corner
// by the stair's foot whatever the frame rate; the stair climbs along +x to the upper floor,
// which reaches the opposite outer wall. Walks are held about three times as long as they need.
TEST_F(BuildingWalk, UpTheStairToTheUpperStoreyAndBackDown)
{
    const int quarterTurn = 628;     // pixels: a quarter of 2 pi radians
    hold("a", milliseconds(1500));   // 1.7 m to the wall at x = 0
    hold("w", milliseconds(4500));   // 5.7 m to the wall at z = 0
    turnRight(quarterTurn);          // along +x, the stair to the right
    const Screenshot atFoot = session.stableScreenshot();
    keep(atFoot, "foot");
    EXPECT_NEAR(eyeHeightSeen(atFoot, FAR_WALL), EYE_HEIGHT, 0.1) << "standing on the ground floor";

    hold("d", milliseconds(200));    // 0.7 m aside, to the middle of the stair's 1 m
    hold("w", milliseconds(9000));   // 11.4 m up the stair and across the upper floor to its wall
    turnRight(-2 * quarterTurn);
    const Screenshot upstairs = session.stableScreenshot();
    keep(upstairs, "upstairs");
    EXPECT_NEAR(eyeHeightSeen(upstairs, FAR_WALL), test_building::STOREY_HEIGHT + EYE_HEIGHT, 0.1)
        << "standing on the upper floor";

    hold("w", milliseconds(9000));   // down the stair to the wall at x = 0
    hold("d", milliseconds(1500));   // back into the corner
    turnRight(2 * quarterTurn);
    const Screenshot back = session.stableScreenshot();
    keep(back, "back");
    EXPECT_NEAR(eyeHeightSeen(back, FAR_WALL), EYE_HEIGHT, 0.1) << "down on the ground floor again";
    EXPECT_LT(back.differenceFrom(atFoot), 0.01) << "the corner looks as it did before the climb";
}

}  // namespace
