// Keyboard and mouse: movement keys set flags while held, every other action happens on release.
#include "app/callbacks.h"
#include "app/globals.h"
#include "app/scene.h"
#include "app/switches.h"
#include "app/visitor.h"
#include "app/window.h"
#include "app/screenshot.h"

#include <GL/freeglut.h>
#include "platform/Platform.h"

namespace {

constexpr unsigned char ESCAPE = 27;
constexpr unsigned char ENTER = 13;

bool altWithEnter = false;

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

// The arrow keys walk as w, s, a and d do.
bool* arrowFlag(int key)
{
    switch (key) {
    case GLUT_KEY_UP: return &forwardHeld;
    case GLUT_KEY_DOWN: return &backwardHeld;
    case GLUT_KEY_LEFT: return &leftHeld;
    case GLUT_KEY_RIGHT: return &rightHeld;
    default: return nullptr;
    }
}

void stepFrame(bool forward)
{
    if (modelManager.modelCount == 0)
        return;
    if (forward)
        modelManager.models[0].nextFrame();
    else
        modelManager.models[0].previousFrame();
}

void (*const FUNCTION_KEY_ACTIONS[])() = {
    toggleHelp,         toggleFrameRate,    toggleWireframe,      toggleTrilinear,     toggleMipmapping,
    toggleVertexArrays, toggleDisplayLists, toggleFrustumCulling, toggleTransparency, toggleModelInfo,
};

}  // namespace

void keyDown(unsigned char key, int, int)
{
    if (bool* flag = movementFlag(key))
        *flag = true;
    // GLUT tells the modifiers of a press only: remember whether Alt went with Enter.
    if (key == ENTER)
        altWithEnter = (glutGetModifiers() & GLUT_ACTIVE_ALT) != 0;
}

void keyUp(unsigned char key, int, int)
{
    if (bool* flag = movementFlag(key)) {
        *flag = false;
        return;
    }
    switch (key) {
    case ESCAPE: answerEscape(); break;
    case '1': toggleLightNormals(); break;
    case 'c': toggleSolidWalls(); break;
    case ENTER:
        if (altWithEnter)
            toggleFullScreen();
        altWithEnter = false;
        break;
    case '4': scene->roomKey(); break;
    // The frame keys step the model in slot 0, whichever model is the character.
    case '5': stepFrame(false); break;
    case '6': stepFrame(true); break;
    default: break;
    }
}

void specialKeyDown(int key, int, int)
{
    if (bool* flag = arrowFlag(key))
        *flag = true;
}

// GLUT numbers F1 to F10 from 1.
void specialKeyUp(int key, int, int)
{
    constexpr int count = static_cast<int>(sizeof FUNCTION_KEY_ACTIONS / sizeof FUNCTION_KEY_ACTIONS[0]);
    if (key >= 1 && key <= count)
        FUNCTION_KEY_ACTIONS[key - 1]();
    else if (bool* flag = arrowFlag(key))
        *flag = false;
    else if (key == GLUT_KEY_F11)
        toggleFullScreen();
    else if (key == GLUT_KEY_F12)
        screenshotWanted = true;
    else if (key == GLUT_KEY_HOME)
        returnHome();
}

void passiveMotion(int x, int y)
{
    if (pointerInWindow)
        camera.mouseLook(x, y);
}
