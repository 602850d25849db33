// The program's long-lived state: global objects that the GLUT callbacks reach directly.
// They are defined, in their construction order, in globals.cpp.
#pragma once

#include "math/FrameTimer.h"
#include "platform/Gl.h"
#include "scene/Camera.h"

extern Camera camera;

extern int windowWidth;
extern int windowHeight;
extern int windowId;
extern FrameTimer frameTimer;
extern float lightPosition[4];
extern GLenum architectureMode;

// Key-state flags: true from a movement key's press to its release.
extern bool forwardHeld;
extern bool backwardHeld;
extern bool leftHeld;
extern bool rightHeld;
extern bool modelWalkHeld;
extern bool modelTurnHeld;
