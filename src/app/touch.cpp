#include "app/touch.h"

#include "app/globals.h"

#include <cmath>

TouchStick touchStick = {false, 0.0f, 0.0f, 0.0f, 0.0f};

namespace {

// The thumb on the stick, and the fingers that look (a few at most: a hand has five).
long stickFinger = 0;
struct Looking {
    bool down;
    long finger;
    float x, y;
};
Looking looking[4] = {};

Looking* lookingFinger(long finger)
{
    for (Looking& entry : looking)
        if (entry.down && entry.finger == finger)
            return &entry;
    return nullptr;
}

Looking* freeSlot()
{
    for (Looking& entry : looking)
        if (!entry.down)
            return &entry;
    return nullptr;
}

// Up on the screen is ahead; the lean grows from the dead middle to the full reach.
void leanStick(float x, float y)
{
    const float dx = x - touchStick.baseX, dy = y - touchStick.baseY;
    const float travel = std::sqrt(dx * dx + dy * dy);
    const float kept = std::fmin(travel, STICK_REACH);
    const float lean = travel <= STICK_DEAD ? 0.0f : (kept - STICK_DEAD) / (STICK_REACH - STICK_DEAD);
    const float toX = travel > 0.0f ? dx / travel : 0.0f, toY = travel > 0.0f ? dy / travel : 0.0f;
    touchStick.knobX = touchStick.baseX + toX * kept;
    touchStick.knobY = touchStick.baseY + toY * kept;
    thumbStride = {-toY * lean, toX * lean};
}

}  // namespace

void fingerDown(long finger, float x, float y, float width)
{
    if (x < width / 2.0f && !touchStick.held) {
        stickFinger = finger;
        touchStick = {true, x, y, x, y};
        leanStick(x, y);
    } else if (Looking* slot = freeSlot()) {
        *slot = {true, finger, x, y};
    }
}

// A finger moving right turns the view right, moving up looks up, as the mouse does.
void fingerMoved(long finger, float x, float y)
{
    if (touchStick.held && finger == stickFinger) {
        leanStick(x, y);
    } else if (Looking* entry = lookingFinger(finger)) {
        camera.turn((entry->x - x) / TOUCH_PIXELS_PER_RADIAN, (entry->y - y) / TOUCH_PIXELS_PER_RADIAN);
        entry->x = x;
        entry->y = y;
    }
}

void fingerUp(long finger)
{
    if (touchStick.held && finger == stickFinger) {
        touchStick.held = false;
        thumbStride = {0.0f, 0.0f};
    } else if (Looking* entry = lookingFinger(finger)) {
        entry->down = false;
    }
}
