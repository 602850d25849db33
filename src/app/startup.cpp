// The program's start: the full-screen window, the pinned pointer, the scene and the callbacks.
#include "app/callbacks.h"
#include "app/globals.h"
#include "data/DataFolder.h"
#include "data/LoadFailure.h"
#include "platform/ExecutablePath.h"
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

// Decided before anything opens: without data the program ends before its window appears.
void chooseDataFolderOrEnd()
{
    const DataFolderChoice choice = chooseDataFolder(executablePath());
    if (!choice.failure.empty())
        endWithLoadFailure(choice.failure);
    dataFolder = choice.folder;
}

}  // namespace

void openWindow(int* argc, char** argv)
{
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowPosition(100, 100);
    glutInitWindowSize(windowWidth, windowHeight);
    windowId = glutCreateWindow("halvane");
    glutFullScreen();
    coverScreen();
}

void startProgram(int* argc, char** argv)
{
    chooseDataFolderOrEnd();
    openWindow(argc, argv);
    // The mouse look measures every movement from this point and puts the pointer back there.
    systemPointer().hide();
    systemPointer().warp(MOUSE_CENTRE_X, MOUSE_CENTRE_Y);
    setupScene();
    registerCallbacks();
}
