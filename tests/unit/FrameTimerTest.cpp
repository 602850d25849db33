// The speed factor that keeps movement frame-rate independent, and the frame-rate window.
#include "FakePlatform.h"
#include "math/FrameTimer.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameTimer, SpeedFactorFollowsTheFrameDelay)
{
    FakeClock clock;
    FrameTimer timer(60.0f, clock);
    clock.advanceSeconds(1.0 / 30.0);
    timer.update();
    EXPECT_NEAR(timer.frameDelay, 1.0f / 30.0f, 1e-6f);
    EXPECT_NEAR(timer.speedFactor, 2.0f, 1e-4f);
    clock.advanceSeconds(1.0 / 60.0);
    timer.update();
    EXPECT_NEAR(timer.speedFactor, 1.0f, 1e-4f);
    // A stall of 0.7 s moves things as far as a frame of 0.25 s.
    clock.advanceSeconds(0.7);
    timer.update();
    EXPECT_NEAR(timer.frameDelay, 0.7f, 1e-6f);
    EXPECT_NEAR(timer.speedFactor, 15.0f, 1e-3f);
    clock.advanceSeconds(0.25);
    timer.update();
    EXPECT_NEAR(timer.speedFactor, 15.0f, 1e-3f);
}

TEST(FrameTimer, NoTimeBetweenUpdatesCountsAsOnTarget)
{
    FakeClock clock;
    FrameTimer timer(60.0f, clock);
    timer.update();
    EXPECT_EQ(timer.frameDelay, 0.0f);
    EXPECT_EQ(timer.speedFactor, 1.0f);
}

TEST(FrameTimer, ClockWithoutFrequencyDoesNotBreakTheSpeed)
{
    FakeClock clock;
    clock.ticksPerSecond = 0;
    FrameTimer timer(60.0f, clock);
    clock.ticks = 5;
    timer.update();
    EXPECT_EQ(timer.speedFactor, 1.0f);
}

TEST(FrameTimer, WindowClosesOnTheSixtyFirstFrameAtSixtyFps)
{
    FakeClock clock;
    clock.ticksPerSecond = 6000;  // exactly 100 ticks per frame at 60 frames per second
    FrameTimer timer(60.0f, clock);
    timer.fpsEnabled = true;
    for (int frame = 1; frame <= 60; ++frame) {
        clock.ticks += 100;
        timer.update();
        ASSERT_EQ(timer.fps, 0.0f) << "window closed early, at frame " << frame;
    }
    clock.ticks += 100;
    timer.update();
    EXPECT_NEAR(timer.fps, 60.0f / (61.0f / 60.0f), 0.01f);
    EXPECT_EQ(timer.frameCount, 0.0f);
    EXPECT_EQ(timer.elapsed, 0.0f);
}

TEST(FrameTimer, ExactlyOneSecondDoesNotCloseTheWindow)
{
    FakeClock clock;
    FrameTimer timer(60.0f, clock);
    timer.fpsEnabled = true;
    clock.advanceSeconds(1.0);
    timer.update();
    EXPECT_EQ(timer.fps, 0.0f);
    EXPECT_EQ(timer.frameCount, 1.0f);
    clock.advanceSeconds(0.5);
    timer.update();
    EXPECT_NEAR(timer.fps, 1.0f / 1.5f, 1e-6f);
}

TEST(FrameTimer, CountingOffFreezesTheWindow)
{
    FakeClock clock;
    FrameTimer timer(60.0f, clock);
    timer.fpsEnabled = true;
    clock.advanceSeconds(0.5);
    timer.update();
    timer.fpsEnabled = false;
    clock.advanceSeconds(5.0);
    timer.update();
    EXPECT_NEAR(timer.elapsed, 0.5f, 1e-6f);
    EXPECT_EQ(timer.frameCount, 1.0f);
    EXPECT_EQ(timer.fps, 0.0f);
}

}  // namespace
