// The idle step: movement by the keys held, scaled by the frame timer's speed factor.
#include "FakePlatform.h"
#include "app/callbacks.h"
#include "app/globals.h"

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
