// The program's start: the full-screen window, the pinned pointer, the scene and the callbacks.
#include "app/callbacks.h"
#include "app/globals.h"
#include "app/options.h"
#include "data/DataFolder.h"
#include "data/LoadFailure.h"
#include "platform/ExecutablePath.h"
#include "platform/Platform.h"
#include "platform/ProgramArguments.h"

#include <GL/freeglut.h>
#include <string>
#include <vector>

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
    const DataFolderChoice choice = chooseDataFolder(commandLine.folder, executablePath());
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
    useUtf8Console();
    const std::vector<std::string> arguments = programArguments(*argc, argv);
    readCommandLineOrEnd(static_cast<int>(arguments.size()), argumentPointers(arguments).data());
    modelManager.announceSlots();
    chooseDataFolderOrEnd();
    // GLUT sees only its own options: the program's name and what the command line passed on.
    // Kept for the life of the program, as GLUT may keep pointers into them.
    static std::vector<std::string> glutArguments = {argv[0]};
    glutArguments.insert(glutArguments.end(), commandLine.windowSystem.begin(), commandLine.windowSystem.end());
    static std::vector<char*> glutArgv;
    for (std::string& argument : glutArguments)
        glutArgv.push_back(&argument[0]);
    glutArgv.push_back(nullptr);
    static int glutArgc = static_cast<int>(glutArguments.size());
    openWindow(&glutArgc, glutArgv.data());
    // The mouse look measures every movement from this point and puts the pointer back there.
    systemPointer().hide();
    systemPointer().warp(MOUSE_CENTRE_X, MOUSE_CENTRE_Y);
    setupScene();
    registerCallbacks();
}
