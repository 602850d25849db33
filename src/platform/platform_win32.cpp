// The platform layer on Windows: the performance counter and the cursor functions.
#include "platform/Platform.h"

#include "platform/Win32.h"

namespace {

class PerformanceClock : public Clock {
public:
    std::int64_t counter() override
    {
        LARGE_INTEGER value;
        QueryPerformanceCounter(&value);
        return value.QuadPart;
    }
    std::int64_t frequency() override
    {
        LARGE_INTEGER value;
        QueryPerformanceFrequency(&value);
        return value.QuadPart;
    }
};

class CursorPointer : public Pointer {
public:
    void hide() override { ShowCursor(FALSE); }

    void position(int& x, int& y) override
    {
        POINT point;
        if (GetCursorPos(&point)) {
            x = point.x;
            y = point.y;
        }
    }

    void warp(int x, int y) override { SetCursorPos(x, y); }
};

}  // namespace

Clock& systemClock()
{
    static PerformanceClock clock;
    return clock;
}

Pointer& systemPointer()
{
    static CursorPointer pointer;
    return pointer;
}

// Windows places a full-screen GLUT window at the screen's corner by itself.
void coverScreen() {}
