// The Windows platform layer against the system itself: the performance counter, the cursor
// and the full-screen window that the program opens.
#include "app/callbacks.h"
#include "platform/Gl.h"
#include "platform/Platform.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

namespace {

TEST(PlatformClock, FrequencyIsPositiveAndFixed)
{
    const std::int64_t frequency = systemClock().frequency();
    EXPECT_GT(frequency, 0);
    EXPECT_EQ(systemClock().frequency(), frequency);
}

TEST(PlatformClock, CounterNeverGoesBackAndAdvances)
{
    std::int64_t previous = systemClock().counter();
    const std::int64_t first = previous;
    for (int i = 0; i < 100000; ++i) {
        const std::int64_t now = systemClock().counter();
        ASSERT_GE(now, previous) << "after " << i << " readings";
        previous = now;
    }
    Sleep(20);
    EXPECT_GT(systemClock().counter(), first);
}

TEST(PlatformPointer, WarpedCursorIsReadBackAtThatScreenPoint)
{
    const POINT points[] = {{320, 240}, {0, 0}, {700, 500}, {1, 767}};
    for (const POINT& point : points) {
        systemPointer().warp(point.x, point.y);
        int x = -1, y = -1;
        systemPointer().position(x, y);
        EXPECT_EQ(x, point.x);
        EXPECT_EQ(y, point.y);
    }
}

void drawNothing() {}

// Opens the program's own window and lets GLUT handle its first events.
HWND openFullScreenWindow()
{
    int argc = 1;
    char name[] = "platform_tests";
    char* argv[] = {name, nullptr};
    openWindow(&argc, argv);
    glutDisplayFunc(drawNothing);
    for (int i = 0; i < 20; ++i) {
        glutMainLoopEvent();
        Sleep(10);
    }
    return WindowFromDC(wglGetCurrentDC());
}

TEST(PlatformWindow, FullScreenWindowCoversTheScreenFromItsCorner)
{
    HWND window = openFullScreenWindow();
    ASSERT_NE(window, nullptr);
    RECT rect;
    ASSERT_TRUE(GetWindowRect(window, &rect));
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(rect.bottom, GetSystemMetrics(SM_CYSCREEN));
}

}  // namespace
