// A gamepad on Linux: the first joystick device (/dev/input/js0 to js3), read without waiting.
// The device says which input code each of its axes and buttons reports, so that pads of any
// driver land in the standard layout (GamepadLayout.cpp).
#include "platform/Gamepad.h"

#include <fcntl.h>
#include <linux/input.h>
#include <linux/joystick.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

// Looking for a device costs a few failed opens: done every this many frames (two seconds at 60
// frames a second), so that a gamepad plugged in later is found.
constexpr int FRAMES_BETWEEN_LOOKS = 120;

struct Joystick {
    int file = -1;
    unsigned char axisCodes[ABS_CNT] = {};
    unsigned short buttonCodes[KEY_MAX - BTN_MISC + 1] = {};
    GamepadState state = {};
    int framesToLook = 0;
};

Joystick joystick;

bool openJoystick()
{
    for (int number = 0; number < 4; ++number) {
        char path[32];
        std::snprintf(path, sizeof path, "/dev/input/js%d", number);
        const int file = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (file < 0)
            continue;
        if (ioctl(file, JSIOCGAXMAP, joystick.axisCodes) >= 0 && ioctl(file, JSIOCGBTNMAP, joystick.buttonCodes) >= 0) {
            joystick.file = file;
            joystick.state = GamepadState{};
            joystick.state.connected = true;
            return true;
        }
        close(file);
    }
    return false;
}

void forgetJoystick()
{
    close(joystick.file);
    joystick.file = -1;
    joystick.state = GamepadState{};
}

// Every event since the last frame; the device first tells its whole state this way too.
void readEvents()
{
    js_event event{};
    ssize_t got = 0;
    while ((got = read(joystick.file, &event, sizeof event)) == static_cast<ssize_t>(sizeof event)) {
        const int type = event.type & ~JS_EVENT_INIT;
        if (type == JS_EVENT_AXIS && event.number < ABS_CNT)
            linuxAxisInto(joystick.state, joystick.axisCodes[event.number], event.value);
        else if (type == JS_EVENT_BUTTON && event.number < KEY_MAX - BTN_MISC + 1)
            linuxButtonInto(joystick.state, joystick.buttonCodes[event.number], event.value != 0);
    }
    // Nothing more to read now; anything else is a device unplugged, looked for again later.
    if (got < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    forgetJoystick();
}

}  // namespace

GamepadState readGamepad()
{
    if (joystick.file < 0) {
        if (joystick.framesToLook > 0) {
            --joystick.framesToLook;
            return GamepadState{};
        }
        joystick.framesToLook = FRAMES_BETWEEN_LOOKS;
        if (!openJoystick())
            return GamepadState{};
    }
    readEvents();
    return joystick.state;
}
