// A gamepad as the W3C Gamepad API's standard layout names its sticks and buttons, whatever
// device and driver report it: each platform reads its own (gamepad_linux.cpp, gamepad_win32.cpp,
// web/gamepad.cpp) and hands it over in this layout, so that actions are mapped once.
#pragma once

// The standard layout's axes: -1 to 1, right and down positive.
enum GamepadAxis { PAD_LEFT_X, PAD_LEFT_Y, PAD_RIGHT_X, PAD_RIGHT_Y, PAD_AXES };

// The standard layout's buttons, by where they sit: A at the bottom of the four face buttons
// (Cross on a PlayStation pad), B on the right (Circle), X on the left (Square), Y at the top
// (Triangle); Back is also called Select, View or Share, Start also Menu or Options.
enum GamepadButton {
    PAD_A, PAD_B, PAD_X, PAD_Y,
    PAD_LEFT_SHOULDER, PAD_RIGHT_SHOULDER, PAD_LEFT_TRIGGER, PAD_RIGHT_TRIGGER,
    PAD_BACK, PAD_START, PAD_LEFT_STICK, PAD_RIGHT_STICK,
    PAD_UP, PAD_DOWN, PAD_LEFT, PAD_RIGHT, PAD_HOME,
    PAD_BUTTONS
};

struct GamepadState {
    bool connected;
    float axes[PAD_AXES];
    bool buttons[PAD_BUTTONS];
};

// The first gamepad connected now; without one, a state that is not connected. Asked once a
// frame: it costs nothing noticeable with a gamepad or without.
GamepadState readGamepad();

// Linux's joystick devices name each axis and button by the input layer's code (ABS_X, BTN_SOUTH,
// ...): one reported value in the standard layout. An axis's value runs from -32767 to 32767; a
// code the standard layout has no place for changes nothing.
void linuxAxisInto(GamepadState& pad, int code, int value);
void linuxButtonInto(GamepadState& pad, int code, bool pressed);

// Windows' joystick functions (winmm's joyGetPosEx) as they report a gamepad of the Xbox layout:
// X and Y the left stick, U and R the right one, buttons 1 to 10 from A to the right stick's
// press, the point of view hat (hundredths of a degree clockwise from up, 65535 centred) the pad.
// Axes are given from 0 to 65535; the triggers (Z) have no place here.
struct WinmmJoystick {
    unsigned x, y, r, u;
    unsigned buttons;
    unsigned pointOfView;
};
GamepadState fromWinmm(const WinmmJoystick& joystick);
