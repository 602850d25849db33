#include "math/FrameTimer.h"

#include "platform/Platform.h"

#include <algorithm>

namespace {

// A stall (the window being dragged, a disk waking up) moves things no further than a frame of a
// quarter second would: whoever walks on after it expects to go on from where they were, not to
// be flung across the hall. Frame rates down to four a second (software drawing on a large
// screen) keep their full speed; the frame-rate line still shows the real frame delay.
constexpr float LONGEST_FRAME = 0.25f;

}  // namespace

FrameTimer::FrameTimer(float target, Clock& source) : targetFps(target), clock(&source)
{
    last = clock->counter();
    frequency = clock->frequency();
}

void FrameTimer::update()
{
    now = clock->counter();
    // A clock without ticks per second cannot time anything: treat every frame as on target.
    frameDelay = frequency > 0 ? static_cast<float>(static_cast<double>(now - last) / static_cast<double>(frequency))
                               : 0.0f;
    speedFactor = static_cast<float>(std::min(frameDelay, LONGEST_FRAME) / (1.0 / targetFps));
    if (speedFactor <= 0.0f)
        speedFactor = 1.0f;
    if (fpsEnabled)
        countFrame();
    last = now;
}

// Frames are counted over windows of just over one second; the frame that closes a
// window adds its time but is not counted, and the excess is not carried over.
void FrameTimer::countFrame()
{
    elapsed += frameDelay;
    if (elapsed > 1.0f) {
        fps = frameCount / elapsed;
        elapsed = 0.0f;
        frameCount = 0.0f;
    } else {
        frameCount += 1.0f;
    }
}
