// A gamepad on Windows: the first joystick of winmm (joyGetPosEx), as Windows reports an Xbox
// pad there (GamepadLayout.cpp). winmm is linked for freeglut already.
#include "platform/Gamepad.h"

#include "platform/Win32.h"

#include <mmsystem.h>

namespace {

// Asking winmm for a joystick that is not there can take milliseconds: without one, it is asked
// again every this many frames (two seconds at 60 frames a second).
constexpr int FRAMES_BETWEEN_LOOKS = 120;
int framesToLook = 0;
bool found = false;
JOYCAPSW caps = {};

// The device's own range of an axis as 0 to 65535.
unsigned spread(DWORD value, UINT lowest, UINT highest)
{
    if (highest <= lowest)
        return 32767;
    const DWORD inside = value < lowest ? 0 : value - lowest;
    const unsigned long long scaled = static_cast<unsigned long long>(inside) * 65535ull / (highest - lowest);
    return scaled > 65535ull ? 65535u : static_cast<unsigned>(scaled);
}

}  // namespace

GamepadState readGamepad()
{
    if (!found) {
        if (framesToLook > 0) {
            --framesToLook;
            return GamepadState{};
        }
        framesToLook = FRAMES_BETWEEN_LOOKS;
        found = joyGetDevCapsW(JOYSTICKID1, &caps, sizeof caps) == JOYERR_NOERROR;
        if (!found)
            return GamepadState{};
    }
    JOYINFOEX info = {};
    info.dwSize = sizeof info;
    info.dwFlags = JOY_RETURNALL;
    if (joyGetPosEx(JOYSTICKID1, &info) != JOYERR_NOERROR) {
        found = false;
        return GamepadState{};
    }
    WinmmJoystick joystick;
    joystick.x = spread(info.dwXpos, caps.wXmin, caps.wXmax);
    joystick.y = spread(info.dwYpos, caps.wYmin, caps.wYmax);
    joystick.r = spread(info.dwRpos, caps.wRmin, caps.wRmax);
    joystick.u = spread(info.dwUpos, caps.wUmin, caps.wUmax);
    joystick.buttons = static_cast<unsigned>(info.dwButtons);
    joystick.pointOfView = static_cast<unsigned>(info.dwPOV);
    return fromWinmm(joystick);
}
