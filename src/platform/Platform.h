// The platform seam: a monotonic clock for the frame timer and the mouse pointer for
// start-up and the mouse look. One implementation per platform lives beside this file;
// tests hand the timer and the camera fakes of their own.
#pragma once

#include <cstdint>

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t counter() = 0;    // current tick count, never going back
    virtual std::int64_t frequency() = 0;  // ticks per second, fixed while the program runs
};

class Pointer {
public:
    virtual ~Pointer() = default;
    virtual void hide() = 0;
    virtual void position(int& x, int& y) = 0;  // in screen pixels, not window pixels
    virtual void warp(int x, int y) = 0;        // to a screen point
};

Clock& systemClock();
Pointer& systemPointer();

// Makes the current full-screen window cover the whole screen from its top-left corner,
// also where no window manager places it.
void coverScreen();
