#include "app/gamepad.h"

#include "app/globals.h"
#include "app/screenshot.h"
#include "app/switches.h"
#include "app/visitor.h"

#include <cmath>

bool gamepadConnected = false;

namespace {

void askScreenshot()
{
    screenshotWanted = true;
}

// The buttons that act, by where they sit (not by what a device numbers them).
const struct {
    GamepadButton button;
    const char* name;
    const char* action;
    void (*act)();
} PAD_ACTIONS[] = {
    {PAD_A, "A", "solid walls on/off", toggleSolidWalls},
    {PAD_B, "B", "Home", returnHome},
    {PAD_START, "Start", "show help on/off", toggleHelp},
    {PAD_BACK, "Back", "screenshot", askScreenshot},
};

bool pressedBefore[PAD_BUTTONS] = {};

// A stick's two axes with the dead zone taken out: nothing inside it, all the way at the rim.
void stickLean(float x, float y, float& leanX, float& leanY)
{
    const float travel = std::sqrt(x * x + y * y);
    const float lean = travel <= PAD_DEAD_ZONE ? 0.0f : std::fmin(1.0f, (travel - PAD_DEAD_ZONE) / (1.0f - PAD_DEAD_ZONE));
    leanX = travel > 0.0f ? x / travel * lean : 0.0f;
    leanY = travel > 0.0f ? y / travel * lean : 0.0f;
}

float arrows(bool more, bool less)
{
    return (more ? 1.0f : 0.0f) - (less ? 1.0f : 0.0f);
}

void walkAndLook(const GamepadState& pad, float speedFactor)
{
    float x = 0.0f, y = 0.0f;
    stickLean(pad.axes[PAD_LEFT_X], pad.axes[PAD_LEFT_Y], x, y);
    padStride = {-y + arrows(pad.buttons[PAD_UP], pad.buttons[PAD_DOWN]),
                 x + arrows(pad.buttons[PAD_RIGHT], pad.buttons[PAD_LEFT])};
    stickLean(pad.axes[PAD_RIGHT_X], pad.axes[PAD_RIGHT_Y], x, y);
    // Turning grows with the square of the lean: slow and exact near the middle, fast at the rim.
    const float seconds = speedFactor / 60.0f;
    const float lean = std::sqrt(x * x + y * y);
    if (lean > 0.0f)
        camera.turn(-x * lean * PAD_TURN_SPEED * seconds, -y * lean * PAD_PITCH_SPEED * seconds);
}

// The help on screen follows a gamepad connected or taken away.
void noticeConnection(bool connected)
{
    if (connected == gamepadConnected)
        return;
    gamepadConnected = connected;
    // Only the help counts down from above a message's frames.
    if (showHelp && overlay.messageFrames > MESSAGE_FRAMES)
        showHelpText();
}

}  // namespace

void followGamepad(const GamepadState& pad, float speedFactor)
{
    noticeConnection(pad.connected);
    walkAndLook(pad, speedFactor);
    for (const auto& entry : PAD_ACTIONS) {
        const bool pressed = pad.buttons[entry.button];
        if (pressed && !pressedBefore[entry.button])
            entry.act();
        pressedBefore[entry.button] = pressed;
    }
}

std::string gamepadHelp()
{
    std::string text = "gamepad\nleft stick, pad  -  walk, step aside\nright stick  -  look around";
    for (const auto& entry : PAD_ACTIONS)
        text += std::string("\n") + entry.name + "  -  " + entry.action;
    return text;
}
