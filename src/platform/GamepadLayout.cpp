// What the desktops' joystick interfaces report, in the standard layout. Plain numbers only, no
// system header, so that both platforms' tables are checked on any of them.
#include "platform/Gamepad.h"

namespace {

// Linux's input codes (linux/input-event-codes.h), fixed in its interface to programs.
enum LinuxCode {
    ABS_X = 0x00, ABS_Y = 0x01, ABS_RX = 0x03, ABS_RY = 0x04,
    ABS_HAT0X = 0x10, ABS_HAT0Y = 0x11,
    BTN_SOUTH = 0x130, BTN_EAST = 0x131, BTN_NORTH = 0x133, BTN_WEST = 0x134,
    BTN_TL = 0x136, BTN_TR = 0x137, BTN_TL2 = 0x138, BTN_TR2 = 0x139, BTN_SELECT = 0x13a, BTN_START = 0x13b,
    BTN_MODE = 0x13c, BTN_THUMBL = 0x13d, BTN_THUMBR = 0x13e,
    BTN_DPAD_UP = 0x220, BTN_DPAD_DOWN = 0x221, BTN_DPAD_LEFT = 0x222, BTN_DPAD_RIGHT = 0x223,
};

constexpr int NOWHERE = -1;

// The drivers of Xbox pads (xpad), which Steam and SDL follow, report the left face button as
// BTN_X and the top one as BTN_Y, the names the header gives BTN_NORTH and BTN_WEST: by what the
// buttons are called, not where they sit.
int linuxButton(int code)
{
    switch (code) {
    case BTN_SOUTH: return PAD_A;
    case BTN_EAST: return PAD_B;
    case BTN_NORTH: return PAD_X;
    case BTN_WEST: return PAD_Y;
    case BTN_TL: return PAD_LEFT_SHOULDER;
    case BTN_TR: return PAD_RIGHT_SHOULDER;
    case BTN_TL2: return PAD_LEFT_TRIGGER;
    case BTN_TR2: return PAD_RIGHT_TRIGGER;
    case BTN_SELECT: return PAD_BACK;
    case BTN_START: return PAD_START;
    case BTN_THUMBL: return PAD_LEFT_STICK;
    case BTN_THUMBR: return PAD_RIGHT_STICK;
    case BTN_DPAD_UP: return PAD_UP;
    case BTN_DPAD_DOWN: return PAD_DOWN;
    case BTN_DPAD_LEFT: return PAD_LEFT;
    case BTN_DPAD_RIGHT: return PAD_RIGHT;
    case BTN_MODE: return PAD_HOME;
    default: return NOWHERE;
    }
}

int linuxAxis(int code)
{
    switch (code) {
    case ABS_X: return PAD_LEFT_X;
    case ABS_Y: return PAD_LEFT_Y;
    case ABS_RX: return PAD_RIGHT_X;
    case ABS_RY: return PAD_RIGHT_Y;
    default: return NOWHERE;
    }
}

// A value between lowest and highest as -1 to 1.
float part(int value, int lowest, int highest)
{
    const float share = 2.0f * static_cast<float>(value - lowest) / static_cast<float>(highest - lowest) - 1.0f;
    return share < -1.0f ? -1.0f : share > 1.0f ? 1.0f : share;
}

// A hat lies pressed past a third of its way.
constexpr int PRESSED_BEYOND = 32767 / 3;

}  // namespace

// The pad is a hat with most drivers, buttons of its own with some.
void linuxAxisInto(GamepadState& pad, int code, int value)
{
    const int axis = linuxAxis(code);
    if (axis != NOWHERE)
        pad.axes[axis] = part(value, -32767, 32767);
    if (code == ABS_HAT0X) {
        pad.buttons[PAD_LEFT] = value < -PRESSED_BEYOND;
        pad.buttons[PAD_RIGHT] = value > PRESSED_BEYOND;
    } else if (code == ABS_HAT0Y) {
        pad.buttons[PAD_UP] = value < -PRESSED_BEYOND;
        pad.buttons[PAD_DOWN] = value > PRESSED_BEYOND;
    }
}

void linuxButtonInto(GamepadState& pad, int code, bool pressed)
{
    const int button = linuxButton(code);
    if (button != NOWHERE)
        pad.buttons[button] = pressed;
}

GamepadState fromWinmm(const WinmmJoystick& joystick)
{
    GamepadState pad = {};
    pad.connected = true;
    pad.axes[PAD_LEFT_X] = part(static_cast<int>(joystick.x), 0, 65535);
    pad.axes[PAD_LEFT_Y] = part(static_cast<int>(joystick.y), 0, 65535);
    pad.axes[PAD_RIGHT_X] = part(static_cast<int>(joystick.u), 0, 65535);
    pad.axes[PAD_RIGHT_Y] = part(static_cast<int>(joystick.r), 0, 65535);
    // Buttons 1 to 10: A, B, X, Y, the shoulders, Back, Start, the sticks' presses.
    const GamepadButton buttons[] = {PAD_A,    PAD_B,     PAD_X,          PAD_Y,          PAD_LEFT_SHOULDER,
                                     PAD_RIGHT_SHOULDER, PAD_BACK, PAD_START, PAD_LEFT_STICK, PAD_RIGHT_STICK};
    for (unsigned i = 0; i < 10; ++i)
        pad.buttons[buttons[i]] = ((joystick.buttons >> i) & 1u) != 0;
    // The hat's angle, clockwise from up: each of its eight directions presses one or two arrows.
    const unsigned angle = joystick.pointOfView;
    if (angle < 36000) {
        pad.buttons[PAD_UP] = angle > 27000 || angle < 9000;
        pad.buttons[PAD_RIGHT] = angle > 0 && angle < 18000;
        pad.buttons[PAD_DOWN] = angle > 9000 && angle < 27000;
        pad.buttons[PAD_LEFT] = angle > 18000;
    }
    return pad;
}
