// The walking visitor on a building of known sizes: stairs, ledges, ramps, doorways, thin
// walls, falls, standing still, a seam, a corner, low ceilings, and the same walk at two step
// rates.
#include "FakePlatform.h"
#include "WalkingBuilding.h"
#include "app/building.h"
#include "app/callbacks.h"
#include "app/globals.h"
#include "app/scene.h"
#include "app/switches.h"
#include "collision/Walker.h"

#include <GL/freeglut.h>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <set>

namespace {

using namespace walking_building;

class Walking : public testing::Test {
protected:
    static const TriangleGrid& grid()
    {
        static const TriangleGrid built = [] {
            TriangleGrid g;
            g.build(corners());
            return g;
        }();
        return built;
    }

    Visitor visitor;
    bool alwaysOnFloor = true;

    void stand(float x, float y, float z) { visitor = placeVisitor(grid(), Vec3(x, y, z)); }

    // Walks at 9 units a second (our walking speed) along (dx, dz) for the given seconds.
    void walk(float dx, float dz, float seconds, int stepsPerSecond = 60)
    {
        const float dt = 1.0f / static_cast<float>(stepsPerSecond);
        const Vec3 way = Vec3(dx, 0, dz).normalized() * (9.0f * dt);
        for (int i = 0; i < static_cast<int>(std::lround(seconds * static_cast<float>(stepsPerSecond))); ++i) {
            walkVisitor(visitor, grid(), dx == 0 && dz == 0 ? Vec3() : way, dt);
            alwaysOnFloor = alwaysOnFloor && visitor.onFloor;
        }
    }
};

TEST_F(Walking, ClimbsTheStairUpAndBackDownWithoutHopping)
{
    stand(STAIR_X, 0, 0);
    walk(0, 1, 2.5f);
    EXPECT_FLOAT_EQ(visitor.feet.y, UPPER);
    EXPECT_GT(visitor.feet.z, UPPER_FRONT + 5);
    walk(0, -1, 3.0f);
    EXPECT_FLOAT_EQ(visitor.feet.y, 0.0f);
    EXPECT_LT(visitor.feet.z, 0.0f);
    EXPECT_TRUE(alwaysOnFloor) << "it left the treads going up or down";
}

TEST_F(Walking, StepsOntoAStepOf35CentimetresButNotA45CentimetreLedge)
{
    stand(STEP_X, 0, 0);
    walk(0, 1, 0.7f);
    EXPECT_FLOAT_EQ(visitor.feet.y, 0.875f);
    stand(LEDGE_X, 0, 0);
    walk(0, 1, 2.0f);
    EXPECT_EQ(visitor.feet.y, 0.0f);
    EXPECT_NEAR(visitor.feet.z, 3.0f - 0.17f * 2.5f, 1e-3f) << "a ledge below the hips stops the legs, 0.34 m across";
}

TEST_F(Walking, WalksUpAndDownA30DegreeRampButNotUpA50DegreeOne)
{
    stand(RAMP30_X, 0, -2);
    walk(0, 1, 3.0f);
    EXPECT_FLOAT_EQ(visitor.feet.y, UPPER);
    walk(0, -1, 3.0f);
    EXPECT_FLOAT_EQ(visitor.feet.y, 0.0f);
    EXPECT_TRUE(alwaysOnFloor) << "it left the ramp going down";
    stand(RAMP50_X, 0, 0);
    walk(0, 1, 3.0f);
    EXPECT_LT(visitor.feet.y, 0.1f);
    // The legs stop where the slope rises above a step.
    const float slope = std::tan(50.0f * 3.14159265f / 180.0f);
    EXPECT_NEAR(visitor.feet.z, UPPER_FRONT - UPPER / slope + (STEP_HEIGHT + BAND_GAP) / slope - 0.17f * 2.5f, 0.02f);
}

// Aimed 0.36 m off its middle, the body slides round the jamb into the doorway.
TEST_F(Walking, PassesA90CentimetreDoorwayNotAGapOrAn13MetreHighOpening)
{
    const struct {
        float x;
        bool passes;
    } openings[] = {{DOOR_X, true}, {DOOR_X + 0.9f, true}, {GAP_X, false}, {LOW_DOOR_X, false}, {SOLID_X, false}};
    for (const auto& o : openings) {
        stand(o.x, 0, 2);
        walk(0, 1, 1.0f);
        EXPECT_EQ(visitor.feet.z > WALL_Z + BODY_RADIUS, o.passes) << o.x;
        EXPECT_TRUE(o.passes || visitor.feet.z < WALL_Z) << o.x;
    }
    stand(GAP_X, 0, WALL_Z);  // put into the gap, the body goes no deeper into its sides
    walk(1, 0, 0.5f);
    EXPECT_EQ(visitor.feet.x, GAP_X);
}

TEST_F(Walking, AQuarterSecondFrameNeitherPassesAThinWallNorStopsSlidingAlongIt)
{
    for (float side : {-1.0f, 1.0f}) {
        stand(SOLID_X, 0, WALL_Z - side);
        walkVisitor(visitor, grid(), Vec3(0, 0, 10 * side), 0.25f);
        EXPECT_NEAR(visitor.feet.z, WALL_Z - side * BODY_RADIUS, 1e-3f);
        walkVisitor(visitor, grid(), Vec3(-1, 0, side), 0.25f);
        EXPECT_NEAR(visitor.feet.x, SOLID_X - 1, 1e-3f);
        EXPECT_NEAR(visitor.feet.z, WALL_Z - side * BODY_RADIUS, 1e-3f);
    }
}

TEST_F(Walking, StandsStillOnAStairAndOnASlope)
{
    for (Vec3 place : {Vec3(STAIR_X, 5, 8.7f), Vec3(RAMP30_X, 4, 7)}) {
        stand(place.x, place.y, place.z);
        const Vec3 before = visitor.feet;
        ASSERT_TRUE(visitor.onFloor);
        walk(0, 0, 10.0f);
        EXPECT_EQ(visitor.feet.x, before.x);
        EXPECT_EQ(visitor.feet.y, before.y);
        EXPECT_EQ(visitor.feet.z, before.z);
    }
}

TEST_F(Walking, FallsWithGravityOntoTheFloorBelowEvenInQuarterSecondFrames)
{
    stand(-3, 20, -3);
    EXPECT_FALSE(visitor.onFloor);
    walk(0, 0, 0.5f);
    EXPECT_NEAR(visitor.feet.y, 20 - 0.5f * 9.81f * 2.5f * 0.25f, 1e-3f);
    stand(5, 60, 20);
    for (int i = 0; i < 12; ++i)
        walkVisitor(visitor, grid(), Vec3(), 0.25f);
    EXPECT_FLOAT_EQ(visitor.feet.y, UPPER);
    EXPECT_TRUE(visitor.onFloor);
    stand(-3, -0.1f, -3);  // put a few centimetres below a floor (the start, Home), it stands on it
    EXPECT_EQ(visitor.feet.y, 0.0f);
    EXPECT_TRUE(visitor.onFloor);
}

// Landing ends the fall: stepping off the upper storey after dropping onto it falls as
// stepping off it does without that.
TEST_F(Walking, AfterLandingAStepOffALedgeFallsAsAFirstFallDoes)
{
    float heights[2];
    for (int dropped = 0; dropped < 2; ++dropped) {
        stand(10, UPPER + 3.0f * float(dropped), 20);
        walk(0, 0, 1.0f);
        walk(1, 0, 0.5f);
        heights[dropped] = visitor.feet.y;
    }
    EXPECT_LT(heights[0], UPPER - 0.5f);
    EXPECT_EQ(heights[1], heights[0]);
}

// Walked along, a seam between two floor slabs holds the visitor up as they do, though the
// underside beneath it is within a step.
TEST_F(Walking, ASeamOf5CentimetresBetweenTwoFloorPiecesIsNoHole)
{
    stand(SEAM_X + 0.0625f, UPPER, 14);
    walk(0, 1, 1.0f);
    EXPECT_EQ(visitor.feet.y, UPPER);
    EXPECT_TRUE(alwaysOnFloor);
}

// Walked into the corner of two walls, the body ends touching both.
TEST_F(Walking, WalkedIntoACornerTheBodyEndsTouchingBothWalls)
{
    stand(CORNER_X + 2, 0, CORNER_Z - 2);
    walk(-1, 1, 1.0f);
    EXPECT_NEAR(visitor.feet.x, CORNER_X + BODY_RADIUS, 1e-3f);
    EXPECT_NEAR(visitor.feet.z, CORNER_Z - BODY_RADIUS, 1e-3f);
}

// A face crossing the body stops it wherever its plan lies, its middle too: the body walks
// under the attic, ducking, until the ceiling is at the ducked head's height (1.4 m), and has
// no room under a lower part of it or under a table top at chest height (where c would put it).
TEST_F(Walking, TheHeadDucksAndStopsUnderASlopingCeilingAndTheChestUnderATable)
{
    stand(ATTIC_X, 0, ATTIC_Z0 - 3);
    walk(0, 1, 2.0f);
    const float ducked = 1.4f * 2.5f;  // the head ducks from 1.8 m to 1.4 m
    const float ceilingAtHead = ATTIC_Z0 + (ATTIC_HIGH - ducked) / (ATTIC_HIGH - ATTIC_LOW) * (ATTIC_Z1 - ATTIC_Z0);
    EXPECT_NEAR(visitor.feet.z, ceilingAtHead - BODY_RADIUS, 1e-3f);
    EXPECT_FLOAT_EQ(visitor.eye().y, 1.2f * 2.5f);
    walk(0, -1, 1.0f);
    EXPECT_EQ(visitor.duck, 0.0f) << "upright again out from under it";
    // Each place is more than the body's radius from every edge of the triangle above it (the
    // diagonal of the attic's and the table's two too).
    EXPECT_FALSE(bodyFits(grid(), Vec3(ATTIC_X - 1, 0, ceilingAtHead + 2)));
    EXPECT_FALSE(bodyFits(grid(), Vec3(TABLE_X - 0.9f, 0, TABLE_Z + 0.9f)));
}

TEST_F(Walking, TheSameWalkAt30And144StepsASecondEndsWithinOneCentimetre)
{
    Vec3 ends[2];
    const int rates[] = {30, 144};
    for (int r = 0; r < 2; ++r) {
        stand(STAIR_X, 0, 0);
        walk(0, 1, 2.5f, rates[r]);  // up the stair
        walk(1, 0, 1.5f, rates[r]);  // off the upper storey's side, falling to the ground
        walk(0, -1, 1.0f, rates[r]);
        walk(2, -1, 2.5f, rates[r]);  // into the thin wall and along it
        ends[r] = visitor.feet;
    }
    EXPECT_LT((ends[0] - ends[1]).length(), 0.025f);
    EXPECT_EQ(ends[0].y, 0.0f);
}

// The program in a user's building: idle walks the visitor, c frees the camera, Home and a
// fall out of the building bring it back to the start.
class WalkingProgram : public testing::Test {
protected:
    FakeClock clock;
    FakePointer pointer;

    void SetUp() override
    {
        building = asBuilding();
        scene = &userBuilding;
        windowWidth = 0;  // no window: the projection is left alone
        camera.pointer = &pointer;
        camera.position = building.start.eye;
        camera.viewPoint = building.start.lookAt;
        camera.up.set(0.0f, 1.0f, 0.0f);
        camera.updateSide();
        startView = camera;
        frameTimer = FrameTimer(60.0f, clock);
        solidWalls = false;
        prepareWalking();
    }
    void TearDown() override
    {
        building = Building();
        scene = &ourHall;
        windowWidth = 640;
        solidWalls = forwardHeld = false;
    }
    void frames(int count)
    {
        for (int i = 0; i < count; ++i) {
            clock.advanceSeconds(1.0 / 60.0);
            frameTimer.update();
            idleStep();
        }
    }
};

TEST_F(WalkingProgram, KeysWalkTheVisitorAlongTheViewSeenFromAboveAndTheEyeFollowsUpTheStair)
{
    EXPECT_TRUE(solidWalls);
    camera.viewPoint = camera.position + Vec3(0, -3, 4);  // looking down does not slow the walk
    forwardHeld = true;
    frames(60);
    EXPECT_NEAR(camera.position.z, -3.0f + 9.0f, 1e-3f);
    EXPECT_EQ(camera.position.y, 4.0f);
    EXPECT_NEAR((camera.viewPoint - camera.position).z, 4.0f, 1e-4f);
    camera.position = Vec3(STAIR_X, 4, 0);
    camera.viewPoint = camera.position + Vec3(0, 0, 1);
    keyUp('c', 0, 0);
    keyUp('c', 0, 0);
    EXPECT_STREQ(overlay.message, "Solid Walls is turned ON");
    frames(150);
    EXPECT_FLOAT_EQ(camera.position.y, UPPER + EYE_HEIGHT);
}

TEST_F(WalkingProgram, CFreesTheCameraThroughWallsWithoutGravityAndBack)
{
    keyUp('c', 0, 0);
    EXPECT_STREQ(overlay.message, "Solid Walls is turned OFF");
    camera.position = Vec3(SOLID_X, 9, 2);
    camera.viewPoint = Vec3(SOLID_X, 9, 10);
    forwardHeld = true;
    frames(60);
    EXPECT_NEAR(camera.position.z, 11.0f, 1e-3f);
    EXPECT_EQ(camera.position.y, 9.0f);
    forwardHeld = false;
    keyUp('c', 0, 0);
    frames(60);
    EXPECT_FLOAT_EQ(camera.position.y, EYE_HEIGHT);
    EXPECT_NEAR(camera.position.z, 11.0f, 1e-3f);
}

TEST_F(WalkingProgram, AFallOutOfTheBuildingAndHomeBringTheVisitorBackToTheStart)
{
    forwardHeld = true;
    frames(30);
    forwardHeld = false;
    specialKeyUp(GLUT_KEY_HOME, 0, 0);
    frames(1);
    EXPECT_FLOAT_EQ(camera.position.z, building.start.eye.z);
    keyUp('c', 0, 0);
    camera.position = Vec3(60, 4, 60);
    keyUp('c', 0, 0);
    frames(60);
    EXPECT_LT(camera.position.y, 0.0f);
    frames(40);
    EXPECT_EQ(camera.position.x, building.start.eye.x);
    EXPECT_EQ(camera.position.y, building.start.eye.y);
    EXPECT_STREQ(overlay.message, FELL_OUT_MESSAGE);
}

// Every triangle whose bounds meet a box is visited, and only once.
TEST(TriangleGrid, VisitsEachTriangleNearABoxOnce)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<float> place(-50, 50), size(-4, 4);
    std::vector<Vec3> soup;
    for (int i = 0; i < 3000; ++i) {
        const Vec3 at(place(random), place(random) / 5, place(random));
        for (int c = 0; c < 3; ++c)
            soup.push_back(at + Vec3(size(random), size(random), size(random)) * (i % 50 == 0 ? 5.0f : 1.0f));
    }
    TriangleGrid grid;
    grid.build(soup);
    for (int q = 0; q < 200; ++q) {
        const Vec3 low(place(random), place(random) / 5, place(random)), high = low + Vec3(3, 5, 3);
        std::multiset<std::uint32_t> visited;
        grid.forEachNear(low, high, [&](std::uint32_t t) { visited.insert(t); });
        for (std::uint32_t t = 0; t < 3000; ++t) {
            const Vec3* c = &soup[t * 3];
            const bool meets = std::max({c[0].x, c[1].x, c[2].x}) >= low.x && std::min({c[0].x, c[1].x, c[2].x}) <= high.x &&
                               std::max({c[0].y, c[1].y, c[2].y}) >= low.y && std::min({c[0].y, c[1].y, c[2].y}) <= high.y &&
                               std::max({c[0].z, c[1].z, c[2].z}) >= low.z && std::min({c[0].z, c[1].z, c[2].z}) <= high.z;
            ASSERT_EQ(visited.count(t), meets ? 1u : visited.count(t) > 0 ? 1u : 0u) << t;
        }
    }
}

}  // namespace
