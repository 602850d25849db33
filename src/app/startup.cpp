// The program's start: the full-screen window, the pinned pointer, the scene and the callbacks.
#include "app/building.h"
#include "app/callbacks.h"
#include "app/globals.h"
#include "app/options.h"
#include "app/scene.h"
#include "app/window.h"
#include "building/BuildingLoader.h"
#include "data/DataFolder.h"
#include "data/LoadFailure.h"
#include "platform/ExecutablePath.h"
#include "platform/Platform.h"
#include "platform/ProgramArguments.h"

#include <GL/freeglut.h>
#include <string>
#include <utility>
#include <vector>

namespace {

void registerCallbacks()
{
    glutDisplayFunc(display);
    glutReshapeFunc(reshape);
    glutKeyboardFunc(keyDown);
    glutKeyboardUpFunc(keyUp);
    glutSpecialFunc(specialKeyDown);
    glutSpecialUpFunc(specialKeyUp);
    glutPassiveMotionFunc(passiveMotion);
    watchWindow(pointerEntry, windowMoved);
    glutIdleFunc(idle);
}

// Decided before anything opens: without data the program stops before its window appears.
std::string chooseTheDataFolder()
{
    const DataFolderChoice choice = chooseDataFolder(commandLine.folder, executablePath());
    dataFolder = choice.folder;
    return choice.failure;
}

// A building of one's own is read before the window opens and shown in place of our hall: a
// file that cannot be used stops the start with its one line, as a data folder without data does.
std::string readUsersBuilding()
{
    if (commandLine.level.empty())
        return "";
    BuildingOptions options;
    options.scale = commandLine.levelScale;
    options.zUp = commandLine.zUp;
    BuildingLoad load = loadBuilding(commandLine.level, options);
    if (!load.ok())
        return load.failure;
    building = std::move(load.building);
    scene = &userBuilding;
    return "";
}

}  // namespace

void openWindow(int* argc, char** argv)
{
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowPosition(100, 100);
    glutInitWindowSize(windowWidth, windowHeight);
    // --window: the window of three quarters of the screen from the start, never full screen.
    if (commandLine.window) {
        const int width = glutGet(GLUT_SCREEN_WIDTH) * 3 / 4;
        const int height = glutGet(GLUT_SCREEN_HEIGHT) * 3 / 4;
        glutInitWindowPosition((glutGet(GLUT_SCREEN_WIDTH) - width) / 2, (glutGet(GLUT_SCREEN_HEIGHT) - height) / 2);
        glutInitWindowSize(width, height);
        fullScreen = false;
    }
    windowId = glutCreateWindow("halvane");
    if (fullScreen) {
        enterFullScreen();
        coverScreen();
    }
}

std::string startProgram(int* argc, char** argv)
{
    useUtf8Console();
    const std::vector<std::string> arguments = programArguments(*argc, argv);
    readCommandLineOrEnd(static_cast<int>(arguments.size()), argumentPointers(arguments).data());
    modelManager.announceSlots();
    std::string failure = chooseTheDataFolder();
    if (failure.empty())
        failure = readUsersBuilding();
    if (!failure.empty())
        return failure;
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
    camera.lookScale = commandLine.mouseSpeed;
    camera.invertLook = commandLine.invertMouse;
    // The mouse look measures every movement from this point and puts the pointer back there.
    followWindow();
    systemPointer().hide();
    systemPointer().warp(camera.centreX, camera.centreY);
    failure = setupScene();
    if (failure.empty())
        registerCallbacks();
    return failure;
}

void startProgramOrEnd(int* argc, char** argv)
{
    const std::string failure = startProgram(argc, argv);
    if (!failure.empty())
        endWithLoadFailure(failure);
}
