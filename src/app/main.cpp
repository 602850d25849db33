// halvane: a first-person walk-through. Opens one full-screen window and runs the GLUT loop.
#include "app/callbacks.h"
#include "app/globals.h"
#include "platform/Platform.h"

#include <GL/freeglut.h>

namespace {

void registerCallbacks()
{
    glutDisplayFunc(display);
    glutReshapeFunc(reshape);
    glutIgnoreKeyRepeat(1);
    glutKeyboardFunc(keyDown);
    glutKeyboardUpFunc(keyUp);
    glutSpecialUpFunc(specialKeyUp);
    glutPassiveMotionFunc(passiveMotion);
    glutIdleFunc(idle);
}

}  // namespace

int main(int argc, char** argv)
{
    IdCounter localIds(0);
    CharacterObject tobrin(localIds, "Tobrin", 10.0f, true);
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowPosition(100, 100);
    glutInitWindowSize(windowWidth, windowHeight);
    windowId = glutCreateWindow("halvane");
    glutFullScreen();
    coverScreen();
    // The mouse look measures every movement from this point and puts the pointer back there.
    systemPointer().hide();
    systemPointer().warp(MOUSE_CENTRE_X, MOUSE_CENTRE_Y);
    setupScene();
    registerCallbacks();
    glutMainLoop();
    return 0;
}
