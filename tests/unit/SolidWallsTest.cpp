// Solid walls: which faces stop the visitor, how it slides along them, and a walk through
// every doorway of our hall and back with the real data and the seven generated rooms.
#include "FakePlatform.h"
#include "app/callbacks.h"
#include "app/globals.h"
#include "app/switches.h"
#include "app/hall.h"
#include "collision/Slide.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr float R = VISITOR_RADIUS;

WallSet wallsOf(std::initializer_list<WallSegment> segments)
{
    WallSet set(1.0f, 4.5f);
    set.segments = segments;
    return set;
}

TEST(WallSet, OnlyFacesCrossingTheBodyStop)
{
    const struct {
        const char* what;
        Vec3 corners[4];
        int expected;
    } faces[] = {
        {"upright wall", {{0, 0, 0}, {0, 6, 0}, {4, 6, 0}, {4, 0, 0}}, 1},
        {"floor", {{0, 0, 0}, {4, 0, 0}, {4, 0, 4}, {0, 0, 4}}, 0},
        {"kerb below the knee", {{0, 0, 0}, {0, 0.9f, 0}, {4, 0.9f, 0}, {4, 0, 0}}, 0},
        {"lintel above the head", {{0, 6, 0}, {0, 8, 0}, {4, 8, 0}, {4, 6, 0}}, 0},
        {"ramp through the band", {{0, 0, 0}, {0, 6, 6}, {4, 6, 6}, {4, 0, 0}}, 4},
    };
    for (const auto& face : faces) {
        WallSet set(1.0f, 4.5f);
        set.addFace(face.corners, 4);
        EXPECT_EQ(static_cast<int>(set.segments.size()), face.expected) << face.what;
    }
    WallSet upright(1.0f, 4.5f);
    upright.addFace(faces[0].corners, 4);
    EXPECT_EQ(std::fabs(upright.segments[0].bx - upright.segments[0].ax), 4.0f);
}

TEST(Slide, AlongAWallKeepsThePartAlongItAtEveryAngleAndSide)
{
    const WallSet walls = wallsOf({{-50, 0, 50, 0}});
    for (float degrees : {20.0f, 45.0f, 70.0f})
        for (float sign : {-1.0f, 1.0f}) {
            const float a = degrees * 3.14159265f / 180.0f;
            const Vec3 from(0, 4, R);
            const Vec3 end = slideVisitor(walls, from, Vec3(sign * 3 * std::sin(a), 4, R - 3 * std::cos(a)), R);
            EXPECT_NEAR(end.x, sign * 3 * std::sin(a), 1e-3f) << degrees << " " << sign;
            EXPECT_NEAR(end.z, R, 1e-3f) << degrees << " " << sign;
            EXPECT_EQ(end.y, 4.0f);
        }
}

TEST(Slide, CornersHoldFromBothSides)
{
    // Into the inside of an L, coming from either side of its diagonal.
    const WallSet l = wallsOf({{0, 0, 10, 0}, {0, 0, 0, 10}});
    for (Vec3 from : {Vec3(3, 0, 5), Vec3(5, 0, 3)}) {
        const Vec3 end = slideVisitor(l, from, Vec3(-4, 0, -4), R);
        EXPECT_NEAR(end.x, R, 1e-3f);
        EXPECT_NEAR(end.z, R, 1e-3f);
    }
    // Into the point of a V, where the walls meet at 90 degrees: it stays in front of the point.
    const WallSet v = wallsOf({{0, 0, 5, 5}, {0, 0, -5, 5}});
    for (float sideways : {-0.3f, 0.3f}) {
        const Vec3 end = slideVisitor(v, Vec3(sideways, 0, 3), Vec3(-sideways, 0, -3), R);
        EXPECT_GT(end.z, 0.9f) << sideways;
        EXPECT_LE(deepestReach(v, end.x, end.z, R), 1e-3f);
    }
}

TEST(Slide, ALongStepDoesNotTunnelThroughAThinWall)
{
    const WallSet walls = wallsOf({{-5, 0, 5, 0}});
    // From afar, and from closer than the radius (walked there with solid walls off).
    for (float start : {2.0f, 0.1f})
        for (float sign : {-1.0f, 1.0f}) {
            const Vec3 end = slideVisitor(walls, Vec3(0.3f, 0, start * sign), Vec3(0.3f, 0, -20 * sign), R);
            EXPECT_NEAR(end.z, std::min(start, R) * sign, 1e-3f) << start;
        }
}

TEST(Slide, ADoorwayLetsThroughOnlyWhatFits)
{
    const struct {
        float width;
        float depth;  // of the jambs: a quarter unit, like the ends of a partition; 0, a slit in a thin wall
        Vec3 from, to;
    } rows[] = {
        {2 * R + 0.02f, 0.25f, {0.1f, 0, 3}, {0.1f, 0, -3}},
        {2 * R - 0.02f, 0.25f, {0.1f, 0, 3}, {0.1f, 0, -3}},
        // After a long frame (0.7 s, a step of 6), from touching the wall, at 60 degrees to it.
        {1.0f, 0.0f, {-2, 0, R}, {1, 0, R - 5.196f}},
        {2 * R - 0.02f, 0.0f, {-2, 0, R}, {1, 0, R - 5.196f}},
    };
    for (const auto& row : rows) {
        const float h = row.width / 2, d = row.depth;
        const WallSet walls = wallsOf({{-10, 0, -h, 0}, {-h, 0, -h, -d}, {-h, -d, -10, -d},
                                       {h, 0, 10, 0}, {h, 0, h, -d}, {h, -d, 10, -d}});
        const Vec3 end = slideVisitor(walls, row.from, row.to, R);
        if (row.width > 2 * R)
            EXPECT_LT(end.z, row.to.z + 0.1f) << "a doorway " << row.width << " wide must let it through";
        else
            EXPECT_GT(end.z, 0.0f) << "a doorway " << row.width << " wide must stop it";
    }
}

// The real hall: from the start through the seven doorways past every room, and back.
class SolidWalk : public testing::Test {
protected:
    FakeClock clock;
    FakePointer pointer;

    void SetUp() override
    {
        testing::internal::CaptureStdout();
        walls.load(HALVANE_SOURCE_DIR "/bin/walls.txt");
        ceiling.load(HALVANE_SOURCE_DIR "/bin/ceiling.txt");
        level = Level();
        roomsBuilt = false;
        keyUp('4', 0, 0);
        testing::internal::GetCapturedStdout();
        placeAtHallStart(camera, pointer);
        startView = camera;
        frameTimer = FrameTimer(60.0f, clock);
        solidWalls = true;
        rebuildWallSet();
    }
    void TearDown() override { solidWalls = forwardHeld = false; }

    // Turns towards the point and holds 'w' until the visitor stands there or has been held
    // back for twice the time the way takes.
    bool walkTo(float x, float z)
    {
        for (int frame = 0; frame < 600; ++frame) {
            const float dx = x - camera.position.x, dz = z - camera.position.z;
            if (dx * dx + dz * dz < 0.2f * 0.2f)
                return true;
            camera.viewPoint = camera.position + Vec3(dx, 0, dz).normalized() * 7.5f;
            forwardHeld = true;
            clock.advanceSeconds(1.0 / 60.0);
            frameTimer.update();
            idleStep();
            forwardHeld = false;
            EXPECT_LE(deepestReach(solidWallSet, camera.position.x, camera.position.z, R), 1e-3f);
        }
        return false;
    }

    // Chamber k holds room k at (c, c), c = -12k; doorway k leads on to chamber k + 1 through
    // the partition x + z = 2c - 4, its middle at x - z = 4.25 (k even) or -4.25 (k odd). The
    // way round room k is mirrored (x and z swapped) from one chamber to the next.
    static std::vector<Vec3> way()
    {
        std::vector<Vec3> points = {{7.5f, 0, 0}};
        auto add = [&](int k, float x, float z) {
            points.push_back(k % 2 ? Vec3(x, 0, z) : Vec3(z, 0, x));
        };
        for (int k = 1; k <= 7; ++k) {
            const float c = -12.0f * static_cast<float>(k);
            add(k, c + 12.125f + 1.5f, c + 7.875f + 1.5f);  // before doorway k - 1
            add(k, c + 12.125f - 1.5f, c + 7.875f - 1.5f);  // after it
            add(k, c + 9, c + 9);                           // round the room's near corner
            add(k, c - 1, c + 9);                           // along its side
        }
        add(7, -86.5f, -86.5f);  // the end hall, beyond the last room
        return points;
    }
};

TEST_F(SolidWalk, ThroughEveryDoorwayAndBack)
{
    std::vector<Vec3> points = way();
    for (std::size_t i = 1; i < points.size(); ++i)
        ASSERT_TRUE(walkTo(points[i].x, points[i].z)) << "held back on the way to " << points[i].x << ", " << points[i].z
                                                      << " at " << camera.position.x << ", " << camera.position.z;
    for (std::size_t i = points.size() - 1; i-- > 0;)
        ASSERT_TRUE(walkTo(points[i].x, points[i].z)) << "held back on the way back to " << points[i].x << ", "
                                                      << points[i].z;
    // A room is closed all round: aiming at its middle ends outside it.
    EXPECT_FALSE(walkTo(-8.0f, -8.0f));
    EXPECT_TRUE(camera.position.x > -4.0f + R - 1e-3f || camera.position.z > -4.0f + R - 1e-3f);
}

}  // namespace
