// Keyboard and mouse: movement keys set flags while held, every other action happens on release.
#include "app/callbacks.h"
#include "app/globals.h"

#include <cstdlib>

namespace {

// The flag a movement key holds, or null for any other key. Only lower-case letters act.
bool* movementFlag(unsigned char key)
{
    switch (key) {
    case 'a': return &leftHeld;
    case 'd': return &rightHeld;
    case 'f': return &modelWalkHeld;
    case 'r': return &modelTurnHeld;
    case 's': return &backwardHeld;
    case 'w': return &forwardHeld;
    default: return nullptr;
    }
}

constexpr unsigned char ESCAPE = 27;

}  // namespace

void keyDown(unsigned char key, int, int)
{
    if (bool* flag = movementFlag(key))
        *flag = true;
}

void keyUp(unsigned char key, int, int)
{
    if (bool* flag = movementFlag(key)) {
        *flag = false;
        return;
    }
    if (key == ESCAPE)
        std::exit(0);
}

void specialKeyUp(int, int, int) {}

void passiveMotion(int x, int y)
{
    camera.mouseLook(x, y);
}
