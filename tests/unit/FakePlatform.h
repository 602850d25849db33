// Fakes of the platform seam: a clock the test advances and a pointer the test moves.
#pragma once

#include "platform/Platform.h"
#include "scene/Camera.h"

class FakeClock : public Clock {
public:
    std::int64_t ticks = 0;
    std::int64_t ticksPerSecond = 1000000;

    std::int64_t counter() override { return ticks; }
    std::int64_t frequency() override { return ticksPerSecond; }
    void advanceSeconds(double seconds) { ticks += static_cast<std::int64_t>(seconds * static_cast<double>(ticksPerSecond) + 0.5); }
};

class FakePointer : public Pointer {
public:
    int x = 320;
    int y = 240;
    int warps = 0;
    bool hidden = false;

    void hide() override { hidden = true; }
    void position(int& px, int& py) override
    {
        px = x;
        py = y;
    }
    void warp(int px, int py) override
    {
        x = px;
        y = py;
        ++warps;
    }
};

// The camera as the scene set-up places it in our hall: at (7.5, 4, 0) looking along -x, turned
// by the fake pointer.
inline void placeAtHallStart(Camera& camera, FakePointer& pointer)
{
    camera.pointer = &pointer;
    camera.position.set(7.5f, 4.0f, 0.0f);
    camera.viewPoint.set(0.0f, 4.0f, 0.0f);
    camera.up.set(0.0f, 1.0f, 0.0f);
    camera.updateSide();
}
