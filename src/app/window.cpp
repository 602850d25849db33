#include "app/window.h"

#include "app/globals.h"
#include "platform/Platform.h"

#include <GL/freeglut.h>

bool fullScreen = true;
bool pointerInWindow = true;

namespace {

// The window asked for on leaving full screen, given to GLUT once it has left full screen.
struct Placement {
    bool due;
    int x, y, width, height;
};
Placement pendingWindow = {false, 0, 0, 0, 0};
// Full screen asked for: once GLUT has made it so, the window goes to the screen's corner.
bool coverDue = false;

}  // namespace

// GLUT changes full screen only after the callback that asked. Leaving it, it gives the window
// back the size it had before (the screen's, where no window manager keeps it), so that a size
// asked for in the same callback would be lost; entering it where no window manager acts, it
// moves the window by its own offset, off the corner.
void finishWindowChange()
{
    if (coverDue && fullScreenShown()) {
        coverDue = false;
        coverScreen();
    }
    if (!pendingWindow.due || fullScreenShown())
        return;
    pendingWindow.due = false;
    placeWindow(pendingWindow.x, pendingWindow.y, pendingWindow.width, pendingWindow.height);
}

void showFullScreen()
{
    fullScreen = true;
    pendingWindow.due = false;
    enterFullScreen();
    coverScreen();
    coverDue = true;
    followWindow();
    if (pointerInWindow)
        camera.holdPointer();
}

void showInWindow()
{
    fullScreen = false;
    const int screenWidth = glutGet(GLUT_SCREEN_WIDTH);
    const int screenHeight = glutGet(GLUT_SCREEN_HEIGHT);
    const int width = screenWidth * 3 / 4;
    const int height = screenHeight * 3 / 4;
    const int x = (screenWidth - width) / 2;
    const int y = (screenHeight - height) / 2;
    coverDue = false;
    leaveFullScreen();
    pendingWindow = {true, x, y, width, height};
    finishWindowChange();
    followWindow();
}

void toggleFullScreen()
{
    if (fullScreen)
        showInWindow();
    else
        showFullScreen();
}

void followWindow()
{
    if (fullScreen) {
        camera.centreX = MOUSE_CENTRE_X;
        camera.centreY = MOUSE_CENTRE_Y;
        return;
    }
    camera.centreX = glutGet(GLUT_WINDOW_X) + glutGet(GLUT_WINDOW_WIDTH) / 2;
    camera.centreY = glutGet(GLUT_WINDOW_Y) + glutGet(GLUT_WINDOW_HEIGHT) / 2;
    // The window moved under a pointer it holds: take it along, without turning the view.
    if (pointerInWindow)
        camera.holdPointer();
}

void windowMoved(int, int)
{
    followWindow();
}

void pointerEntry(int state)
{
    pointerInWindow = state == GLUT_ENTERED;
    // Back in the window: measure from the centre again instead of turning by the way it came.
    if (pointerInWindow)
        camera.holdPointer();
}
