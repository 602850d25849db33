// The global objects, constructed before main in the order they are defined here.
#include "app/globals.h"

Camera camera;

int windowWidth = 640;
int windowHeight = 480;
int windowId = 0;
FrameTimer frameTimer;
float lightPosition[4] = {5.0f, 9.92f, 0.02f, 1.0f};
GLenum architectureMode = 0;

bool forwardHeld = false;
bool backwardHeld = false;
bool leftHeld = false;
bool rightHeld = false;
bool modelWalkHeld = false;
bool modelTurnHeld = false;
