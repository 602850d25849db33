// The platform layer on X11: the monotonic clock of the C library, the pointer through Xlib.
#include "platform/Platform.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <ctime>

namespace {

class MonotonicClock : public Clock {
public:
    std::int64_t counter() override
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
    }
    std::int64_t frequency() override { return 1000000000; }
};

// A connection of our own to the display that GLUT uses: freeglut does not share its own.
Display* display()
{
    static Display* connection = XOpenDisplay(nullptr);
    return connection;
}

class ScreenPointer : public Pointer {
public:
    void hide() override { glutSetCursor(GLUT_CURSOR_NONE); }

    void position(int& x, int& y) override
    {
        Display* d = display();
        if (!d)
            return;
        Window root, child;
        int windowX, windowY;
        unsigned int mask;
        XQueryPointer(d, DefaultRootWindow(d), &root, &child, &x, &y, &windowX, &windowY, &mask);
    }

    void warp(int x, int y) override
    {
        Display* d = display();
        if (!d)
            return;
        XWarpPointer(d, None, DefaultRootWindow(d), 0, 0, 0, 0, x, y);
        XFlush(d);
    }
};

}  // namespace

Clock& systemClock()
{
    static MonotonicClock clock;
    return clock;
}

Pointer& systemPointer()
{
    static ScreenPointer pointer;
    return pointer;
}

void coverScreen()
{
    Display* d = display();
    Window window = glXGetCurrentDrawable();
    if (!d || window == 0)
        return;
    // GLUT's own requests (its full-screen fallback moves the window off the corner) go out
    // first, so that ours, on another connection, comes after them.
    if (Display* glut = glXGetCurrentDisplay())
        XSync(glut, False);
    Screen* screen = DefaultScreenOfDisplay(d);
    XMoveResizeWindow(d, window, 0, 0, static_cast<unsigned>(WidthOfScreen(screen)),
                      static_cast<unsigned>(HeightOfScreen(screen)));
    XFlush(d);
}
