// The part of the platform layer that X11 and Windows share: freeglut's own window, and a
// program that Escape ends.
#include "platform/Platform.h"

#include <GL/freeglut.h>
#include <cstdlib>

void watchWindow(void (*pointerEntry)(int), void (*moved)(int, int))
{
    glutIgnoreKeyRepeat(1);
    glutEntryFunc(pointerEntry);
    glutPositionFunc(moved);
}

void answerEscape()
{
    std::exit(0);
}

void enterFullScreen()
{
    glutFullScreen();
}

void leaveFullScreen()
{
    glutLeaveFullScreen();
}

bool fullScreenShown()
{
    return glutGet(GLUT_FULL_SCREEN) != 0;
}

void placeWindow(int x, int y, int width, int height)
{
    glutPositionWindow(x, y);
    glutReshapeWindow(width, height);
}

// The console and the overlay say where it is.
void handOverPicture(const std::string&) {}

bool touchScreenFirst()
{
    return false;
}
