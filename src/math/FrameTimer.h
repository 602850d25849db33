// Measures the time between displayed frames and turns it into a speed factor, so that
// movement per second is the same at any frame rate; counts frames for the frame-rate line.
#pragma once

#include <cstdint>

class Clock;

struct FrameTimer {
    bool fpsEnabled = false;
    float fps = 0.0f;
    float frameCount = 0.0f;
    float elapsed = 0.0f;
    std::int64_t frequency = 0;
    std::int64_t now = 0;
    std::int64_t last = 0;
    float frameDelay = 0.0f;
    float targetFps = 0.0f;
    float speedFactor = 0.0f;  // at most that of a quarter-second frame, however long a stall
    Clock* clock = nullptr;

    // All zero until the scene set-up replaces it with a running timer.
    FrameTimer() = default;
    // Starts the first measured interval now.
    FrameTimer(float target, Clock& source);

    // Once per displayed frame, after the buffers are swapped.
    void update();

private:
    void countFrame();
};
