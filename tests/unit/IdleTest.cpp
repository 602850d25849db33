// The idle step: movement by the keys held, scaled by the frame timer's speed factor.
#include "FakePlatform.h"
#include "app/callbacks.h"
#include "app/globals.h"
#include "app/switches.h"

#include <gtest/gtest.h>

namespace {

class IdleTest : public testing::Test {
protected:
    FakeClock clock;
    FakePointer pointer;

    void SetUp() override
    {
        forwardHeld = backwardHeld = leftHeld = rightHeld = modelWalkHeld = modelTurnHeld = false;
        camera.pointer = &pointer;
        camera.position.set(7.5f, 4.0f, 0.0f);
        camera.viewPoint.set(0.0f, 4.0f, 0.0f);
        camera.up.set(0.0f, 1.0f, 0.0f);
        camera.updateSide();
        frameTimer = FrameTimer(60.0f, clock);
    }

    void TearDown() override { forwardHeld = backwardHeld = leftHeld = rightHeld = false; }

    // Runs the given number of frames, each one timer update and one idle step.
    void runFrames(int frames, double secondsPerFrame)
    {
        for (int i = 0; i < frames; ++i) {
            clock.advanceSeconds(secondsPerFrame);
            frameTimer.update();
            idleStep();
        }
    }
};

TEST_F(IdleTest, OppositeKeysCancel)
{
    forwardHeld = backwardHeld = leftHeld = rightHeld = true;
    runFrames(10, 1.0 / 60.0);
    EXPECT_NEAR(camera.position.x, 7.5f, 1e-5f);
    EXPECT_NEAR(camera.position.z, 0.0f, 1e-5f);
}

TEST_F(IdleTest, DistancePerSecondDoesNotDependOnTheFrameRate)
{
    forwardHeld = true;
    runFrames(60, 1.0 / 60.0);
    float atSixty = 7.5f - camera.position.x;
    SetUp();
    forwardHeld = true;
    runFrames(30, 1.0 / 30.0);
    float atThirty = 7.5f - camera.position.x;
    EXPECT_NEAR(atSixty, 9.0f, 1e-3f);
    EXPECT_NEAR(atThirty, 9.0f, 1e-3f);
}

// With solid walls on and no wall near, every key at every heading steps exactly as without
// them, position and view point alike.
TEST_F(IdleTest, SolidWallsInTheOpenStepAsTheFreeWalkDoes)
{
    const float h = std::sqrt(0.5f);
    const Vec3 headings[] = {{-h, 0, h}, {h, 0, h}, {1, 0, 0}, {0, 0, -1}};
    bool* const keys[] = {&forwardHeld, &backwardHeld, &leftHeld, &rightHeld};
    solidWallSet = WallSet(1.0f, 4.5f);
    for (const Vec3& heading : headings)
        for (bool* key : keys) {
            Vec3 moved[2], viewMoved[2];
            for (int solid = 0; solid < 2; ++solid) {
                SetUp();
                camera.viewPoint = camera.position + heading * 7.5f;
                camera.updateSide();
                const Vec3 position = camera.position, view = camera.viewPoint;
                solidWalls = solid == 1;
                *key = true;
                runFrames(3, 1.0 / 60.0);
                moved[solid] = camera.position - position;
                viewMoved[solid] = camera.viewPoint - view;
            }
            solidWalls = false;
            EXPECT_NEAR((moved[0] - moved[1]).length(), 0.0f, 1e-5f);
            EXPECT_NEAR((viewMoved[1] - moved[1]).length(), 0.0f, 1e-5f);
            EXPECT_NEAR(moved[1].length(), 0.45f, 1e-4f);
        }
}

// A stick leaned all the way walks exactly as its key, half way half as far; keys and sticks
// together walk no faster than one key. With solid walls in the open as without them.
TEST_F(IdleTest, SticksWalkAsTheirKeysDo)
{
    const struct {
        Stride thumb, pad;
        bool* key;
        float share;
        bool keyToo;
    } leans[] = {{{1, 0}, {0, 0}, &forwardHeld, 1, false},
                 {{0, 0}, {0, -1}, &leftHeld, 1, false},
                 {{-0.5f, 0}, {0, 0}, &backwardHeld, 0.5f, false},
                 {{1, 0}, {1, 0}, &forwardHeld, 1, true}};
    solidWallSet = WallSet(1.0f, 4.5f);
    for (const auto& lean : leans)
        for (bool solid : {false, true}) {
            SetUp();
            solidWalls = solid;
            *lean.key = true;
            runFrames(5, 1.0 / 60.0);
            const Vec3 byKey = camera.position - Vec3(7.5f, 4.0f, 0.0f);
            SetUp();
            *lean.key = lean.keyToo;
            thumbStride = lean.thumb;
            padStride = lean.pad;
            runFrames(5, 1.0 / 60.0);
            thumbStride = padStride = {0.0f, 0.0f};
            solidWalls = false;
            const Vec3 bySticks = camera.position - Vec3(7.5f, 4.0f, 0.0f);
            EXPECT_NEAR((bySticks - byKey * lean.share).length(), 0.0f, 1e-6f) << lean.share << " " << solid;
            EXPECT_GT(bySticks.length(), 0.1f);
        }
}

TEST_F(IdleTest, NothingMovesBeforeTheFirstFrameIsTimed)
{
    frameTimer = FrameTimer();
    forwardHeld = true;
    idleStep();
    EXPECT_EQ(camera.position.x, 7.5f);
}

TEST_F(IdleTest, SideIsRecomputedEveryStepEvenWithoutKeys)
{
    camera.rotateView(1.0f, 0.0f, 1.0f, 0.0f);  // a mouse turn leaves the side vector stale
    idleStep();
    Vec3 expected = (camera.viewPoint - camera.position).cross(camera.up).normalized();
    EXPECT_NEAR(camera.side.x, expected.x, 1e-6f);
    EXPECT_NEAR(camera.side.z, expected.z, 1e-6f);
}

}  // namespace
