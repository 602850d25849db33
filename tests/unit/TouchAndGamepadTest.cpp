// Input without a keyboard: fingers on the picture and a gamepad, through the program's own
// touch controls and gamepad mapping, into the same walk and look as the keys and the mouse.
#include "FakePlatform.h"
#include "app/gamepad.h"
#include "app/globals.h"
#include "app/help.h"
#include "app/screenshot.h"
#include "app/switches.h"
#include "app/touch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sstream>

namespace {

// A pad as one line: its buttons as 0 and 1, then its axes to two places.
std::string padText(const GamepadState& pad)
{
    std::ostringstream text;
    for (bool button : pad.buttons)
        text << button;
    for (float axis : pad.axes)
        text << ' ' << std::round(axis * 100.0f) / 100.0f + 0.0f;
    return text.str();
}

GamepadState expectedPad(int button, int axis, float part)
{
    GamepadState pad = {};
    if (button >= 0)
        pad.buttons[button] = true;
    if (axis >= 0)
        pad.axes[axis] = part;
    return pad;
}

class WithoutKeyboardTest : public testing::Test {
protected:
    FakePointer pointer;
    void SetUp() override
    {
        placeAtHallStart(camera, pointer);
        startView = camera;
        // Whatever a test before left switched on (the help, solid walls) starts off.
        solidWalls = showHelp = screenshotWanted = false;
    }
    void TearDown() override
    {
        fingerUp(1);
        fingerUp(2);
        followGamepad(GamepadState{}, 1.0f);
    }
};

TEST_F(WithoutKeyboardTest, ThumbLeansTheStickFromWhereItLanded)
{
    const struct {
        float dx, dy, ahead, aside;
    } leans[] = {{0, -100, 1, 0}, {0, 100, -1, 0}, {100, 0, 0, 1}, {0, -31, 0.5f, 0}, {3, -3, 0, 0}, {-30, -40, 0.704f, -0.528f}};
    for (const auto& lean : leans) {
        fingerDown(1, 100.0f, 300.0f, 400.0f);
        fingerMoved(1, 100.0f + lean.dx, 300.0f + lean.dy);
        EXPECT_NEAR(thumbStride.ahead, lean.ahead, 1e-6f) << lean.dx << " " << lean.dy;
        EXPECT_NEAR(thumbStride.aside, lean.aside, 1e-6f) << lean.dx << " " << lean.dy;
        EXPECT_LE(std::hypot(touchStick.knobX - 100.0f, touchStick.knobY - 300.0f), STICK_REACH + 1e-4f);
        fingerUp(1);
        EXPECT_FALSE(touchStick.held);
        EXPECT_EQ(thumbStride.ahead, 0.0f);
        EXPECT_EQ(thumbStride.aside, 0.0f);
    }
    EXPECT_EQ(camera.viewPoint.x, 0.0f) << "the thumb turned the view";
}

// A finger's 50 layout pixels right and 30 up turn as the mouse's 100 right and 60 up.
TEST_F(WithoutKeyboardTest, FingerOnTheRightTurnsAsTheMouseDoesTwiceAsFar)
{
    Camera mouse = camera;
    pointer.x = mouse.centreX + 100;
    pointer.y = mouse.centreY - 60;
    mouse.mouseLook(0, 0);
    fingerDown(2, 300.0f, 200.0f, 400.0f);
    fingerMoved(2, 350.0f, 170.0f);
    EXPECT_EQ(camera.viewPoint.x, mouse.viewPoint.x);
    EXPECT_EQ(camera.viewPoint.y, mouse.viewPoint.y);
    EXPECT_EQ(camera.viewPoint.z, mouse.viewPoint.z);
    EXPECT_EQ(thumbStride.ahead, 0.0f) << "a finger on the right walked";
}

TEST_F(WithoutKeyboardTest, ThumbAndFingerAtOnceEachDoTheirOwn)
{
    fingerDown(1, 50.0f, 300.0f, 400.0f);
    fingerDown(2, 300.0f, 300.0f, 400.0f);
    fingerMoved(1, 50.0f, 200.0f);
    fingerMoved(2, 320.0f, 300.0f);
    EXPECT_EQ(thumbStride.ahead, 1.0f);
    EXPECT_LT(camera.viewPoint.z, 0.0f) << "the finger did not turn the view right";
    // Another finger on the left while the thumb holds the stick looks around.
    const Vec3 turned = camera.viewPoint;
    fingerDown(3, 60.0f, 100.0f, 400.0f);
    fingerMoved(3, 80.0f, 100.0f);
    EXPECT_LT(camera.viewPoint.z, turned.z);
    fingerUp(3);
    fingerUp(2);
    EXPECT_EQ(thumbStride.ahead, 1.0f) << "lifting the looking finger let go of the stick";
}

// Each reported axis or button, alone: the standard button it presses, or the axis it moves how
// far; codes the layout has no place for (ABS_Z, BTN_C) change nothing.
TEST(GamepadLayout, LinuxCodesLandWhereTheStandardLayoutHasThem)
{
    const struct {
        bool axis;
        int code, value, button, axisIndex;
        float part;
    } events[] = {
        {true, 0x00, 32767, -1, PAD_LEFT_X, 1.0f},    {true, 0x01, -32767, -1, PAD_LEFT_Y, -1.0f},
        {true, 0x03, 16384, -1, PAD_RIGHT_X, 0.5f},   {true, 0x04, -16384, -1, PAD_RIGHT_Y, -0.5f},
        {true, 0x10, -32767, PAD_LEFT, -1, 0.0f},     {true, 0x10, 32767, PAD_RIGHT, -1, 0.0f},
        {true, 0x11, -32767, PAD_UP, -1, 0.0f},       {true, 0x11, 32767, PAD_DOWN, -1, 0.0f},
        {false, 0x130, 1, PAD_A, -1, 0.0f},           {false, 0x131, 1, PAD_B, -1, 0.0f},
        {false, 0x133, 1, PAD_X, -1, 0.0f},           {false, 0x134, 1, PAD_Y, -1, 0.0f},
        {false, 0x13a, 1, PAD_BACK, -1, 0.0f},        {false, 0x13b, 1, PAD_START, -1, 0.0f},
        {false, 0x13c, 1, PAD_HOME, -1, 0.0f},        {false, 0x221, 1, PAD_DOWN, -1, 0.0f},
        {true, 0x02, 32767, -1, -1, 0.0f},            {false, 0x132, 1, -1, -1, 0.0f},
    };
    for (const auto& event : events) {
        GamepadState pad = {};
        if (event.axis)
            linuxAxisInto(pad, event.code, event.value);
        else
            linuxButtonInto(pad, event.code, event.value != 0);
        EXPECT_EQ(padText(pad), padText(expectedPad(event.button, event.axisIndex, event.part)))
            << std::hex << event.code << std::dec << " at " << event.value;
    }
}

// An Xbox pad as winmm reports it: X, Y the left stick, U, R the right one, buttons 1 to 10, the hat.
TEST(GamepadLayout, WinmmReportsAnXboxPad)
{
    const struct {
        WinmmJoystick joystick;
        int button, axisIndex;
        float part;
    } reports[] = {
        {{65535, 32767, 32767, 32767, 0, 65535}, -1, PAD_LEFT_X, 1.0f},
        {{32767, 0, 32767, 32767, 0, 65535}, -1, PAD_LEFT_Y, -1.0f},
        {{32767, 32767, 32767, 65535, 0, 65535}, -1, PAD_RIGHT_X, 1.0f},
        {{32767, 32767, 0, 32767, 0, 65535}, -1, PAD_RIGHT_Y, -1.0f},
        {{32767, 32767, 32767, 32767, 1u << 0, 65535}, PAD_A, -1, 0.0f},
        {{32767, 32767, 32767, 32767, 1u << 1, 65535}, PAD_B, -1, 0.0f},
        {{32767, 32767, 32767, 32767, 1u << 6, 65535}, PAD_BACK, -1, 0.0f},
        {{32767, 32767, 32767, 32767, 1u << 7, 65535}, PAD_START, -1, 0.0f},
        {{32767, 32767, 32767, 32767, 1u << 9, 65535}, PAD_RIGHT_STICK, -1, 0.0f},
        {{32767, 32767, 32767, 32767, 0, 0}, PAD_UP, -1, 0.0f},
        {{32767, 32767, 32767, 32767, 0, 9000}, PAD_RIGHT, -1, 0.0f},
        {{32767, 32767, 32767, 32767, 0, 27000}, PAD_LEFT, -1, 0.0f},
    };
    for (const auto& report : reports) {
        const GamepadState pad = fromWinmm(report.joystick);
        EXPECT_TRUE(pad.connected);
        EXPECT_EQ(padText(pad), padText(expectedPad(report.button, report.axisIndex, report.part)))
            << report.joystick.buttons << " " << report.joystick.pointOfView;
    }
    // The hat's diagonals press two arrows.
    const GamepadState pad = fromWinmm({32767, 32767, 32767, 32767, 0, 13500});
    EXPECT_TRUE(pad.buttons[PAD_RIGHT] && pad.buttons[PAD_DOWN] && !pad.buttons[PAD_UP] && !pad.buttons[PAD_LEFT]);
}

// The four buttons that act, each once when pressed however long it is held.
TEST_F(WithoutKeyboardTest, GamepadButtonsDoWhatTheirKeysDo)
{
    const struct {
        GamepadButton button;
        std::function<bool()> done;
    } actions[] = {
        {PAD_A, [] { return solidWalls; }},
        {PAD_B, [] { return camera.position.x == 7.5f && camera.viewPoint.x == 0.0f; }},
        {PAD_START, [] { return showHelp; }},
        {PAD_BACK, [] { return screenshotWanted; }},
    };
    for (const auto& action : actions) {
        camera.position.set(1.0f, 4.0f, 1.0f);
        GamepadState pad = {};
        pad.connected = true;
        pad.buttons[action.button] = true;
        followGamepad(pad, 1.0f);
        EXPECT_TRUE(action.done()) << action.button;
        followGamepad(pad, 1.0f);
        EXPECT_TRUE(action.done()) << action.button << " acted again while held";
        pad.buttons[action.button] = false;
        followGamepad(pad, 1.0f);
    }
    solidWalls = showHelp = screenshotWanted = false;
    overlay.messageFrames = 0;
}

TEST_F(WithoutKeyboardTest, GamepadSticksWalkAndLookPastTheirDeadZone)
{
    GamepadState pad = {};
    pad.connected = true;
    pad.axes[PAD_LEFT_X] = 0.1f;
    pad.axes[PAD_LEFT_Y] = -0.1f;
    followGamepad(pad, 1.0f);
    EXPECT_EQ(padStride.ahead, 0.0f);
    EXPECT_EQ(padStride.aside, 0.0f);
    pad.axes[PAD_LEFT_X] = 0.0f;
    pad.axes[PAD_LEFT_Y] = -0.6f;
    pad.buttons[PAD_RIGHT] = true;
    followGamepad(pad, 1.0f);
    EXPECT_FLOAT_EQ(padStride.ahead, 0.5f);
    EXPECT_EQ(padStride.aside, 1.0f);
    // All the way right for one 60 Hz frame turns right by the full speed's sixtieth.
    pad = GamepadState{};
    pad.connected = true;
    pad.axes[PAD_RIGHT_X] = 1.0f;
    followGamepad(pad, 1.0f);
    const Vec3 view = camera.viewPoint - camera.position;
    EXPECT_NEAR(std::atan2(view.z, -view.x), -PAD_TURN_SPEED / 60.0f, 1e-5f);
    EXPECT_NEAR(view.y, 0.0f, 1e-6f);
}

// The fingers' help and the gamepad's lines must fit a phone held upright: 40 letters a line.
TEST(Help, KeysOrFingersAndTheGamepadWhenOneIsConnected)
{
    EXPECT_EQ(helpText(false, false), HELP_TEXT);
    EXPECT_EQ(helpText(true, false), TOUCH_HELP);
    const std::string withPad = helpText(false, true);
    EXPECT_EQ(withPad.substr(0, std::string(HELP_TEXT).size()), HELP_TEXT);
    EXPECT_NE(withPad.find("\nA  -  solid walls on/off\nB  -  Home\nStart  -  show help on/off\nBack  -  screenshot"),
              std::string::npos);
    std::istringstream lines(helpText(true, true));
    for (std::string line; std::getline(lines, line);)
        EXPECT_LE(line.size(), 40u) << line;
    // A gamepad connected while the help is up shows its lines at once.
    showHelp = true;
    showHelpText();
    GamepadState pad = {};
    pad.connected = true;
    followGamepad(pad, 1.0f);
    EXPECT_EQ(overlay.message, withPad);
    followGamepad(GamepadState{}, 1.0f);
    EXPECT_STREQ(overlay.message, HELP_TEXT);
    showHelp = false;
    overlay.messageFrames = 0;
}

}  // namespace
