// The first-person viewer: eye position, the point looked at, up, and the strafe direction.
// Walking stays on the floor plane; the mouse turns the view around the eye.
#pragma once

#include "math/Vec3.h"

class Pointer;

// The screen point the pointer is pinned to; every offset from it becomes a turn.
constexpr int MOUSE_CENTRE_X = 320;
constexpr int MOUSE_CENTRE_Y = 240;

struct Camera {
    Vec3 position;
    Vec3 viewPoint;
    Vec3 up;
    Vec3 side;
    Pointer* pointer;
    // Where the pointer is held, in screen pixels: the screen point above on the full screen,
    // the middle of the window in a window.
    int centreX = MOUSE_CENTRE_X;
    int centreY = MOUSE_CENTRE_Y;
    float lookScale = 1.0f;    // radians a pixel of pointer travel turns, in 1/400ths
    bool invertLook = false;   // the pointer's up looks down

    Camera();

    void moveForward(float speed);
    void strafe(float speed);
    void rotateView(float angle, float x, float y, float z);
    // The window coordinates GLUT passes are not used: the pointer is read in screen pixels.
    void mouseLook(int x, int y);
    // Looks up by pitch about the side, then turns left by yaw about the world's up (radians),
    // as every look does: the mouse, a finger, a gamepad's stick.
    void turn(float yaw, float pitch);
    // Puts the pointer at the centre without turning, as when it comes back into the window.
    void holdPointer();
    void updateSide();
};
