// One-time scene set-up: fixed OpenGL state, data, projection, camera and frame timer.
#include "app/callbacks.h"
#include "app/globals.h"
#include "app/options.h"
#include "app/scene.h"
#include "app/switches.h"
#include "app/window.h"
#include "data/RunFiles.h"
#include "platform/Platform.h"

#include <cmath>

namespace {

constexpr double DEGREE = 3.14159265358979323846 / 180.0;

}  // namespace

void setFixedState()
{
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    // Clockwise polygons are front faces and front faces are culled: only polygons that
    // appear counter-clockwise on screen are drawn, so walls show from inside only.
    glCullFace(GL_FRONT);
    glFrontFace(GL_CW);
    glEnable(GL_CULL_FACE);
    glEnable(GL_TEXTURE_2D);
}

RunFiles theRunFiles()
{
    return runFiles(dataFolder, commandLine.model, commandLine.skin, commandLine.level);
}

namespace {

// Our pilgrim from the data folder, or the model and skin the command line names; a model
// of one's own without --skin takes the skin it names (an empty path looks it up).
std::string loadCharacter()
{
    const RunFiles files = theRunFiles();
    const ModelLoad load = modelManager.loadModel(Vec3(0.15f, 0.15f, 0.15f), files.model.c_str(), files.skin.c_str(), textureManager);
    if (!load.ok())
        return load.failure;
    characterModel = load.slot;
    scene->placeCharacter(modelManager.models[characterModel]);
    return "";
}

// The key item's shape: a tetrahedron whose faces each carry their own normal.
void buildKeyPart()
{
    Vec3 a(1.0f, 0.0f, -1.0f);
    Vec3 b(1.0f, 0.0f, 1.0f);
    Vec3 c(-1.0f, 0.0f, 0.0f);
    Vec3 d(0.0f, 1.0f, 0.0f);
    Triangle faces[4] = {Triangle(a, c, b), Triangle(a, d, b), Triangle(c, d, a), Triangle(b, d, c)};
    for (int i = 0; i < 4; ++i) {
        keyPart.faces[i] = faces[i];
        keyPart.faceNormals[i] = faces[i].normal;
    }
    keyPart.material.setPreset(0);
    keyPart.position.set(16.0f, 0.0f, 23.0f);
    keyItem.shape = keyPart;
}

}  // namespace

void placeCamera()
{
    scene->startCamera(camera);
    camera.up.set(0.0f, 1.0f, 0.0f);
    camera.updateSide();
    startView = camera;
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(camera.position.x, camera.position.y, camera.position.z, camera.viewPoint.x, camera.viewPoint.y,
              camera.viewPoint.z, camera.up.x, camera.up.y, camera.up.z);
}

std::string setupScene()
{
    architectureMode = GL_QUADS;
    setFixedState();
    std::string failure = scene->setUp();
    if (failure.empty())
        failure = loadCharacter();
    if (!failure.empty())
        return failure;
    buildKeyPart();
    CharacterObject player(idCounter, "player", 0.0f, true);
    solidWalls = commandLine.solid;
    setProjection(windowWidth, windowHeight);
    placeCamera();
    scene->start();
    // The first frame is measured from here, the scene ready.
    frameTimer = FrameTimer(60.0f, systemClock());
    return "";
}

double verticalFieldOfView(int width, int height)
{
    const double aspect = static_cast<double>(width) / static_cast<double>(height);
    if (aspect >= 4.0 / 3.0)
        return 60.0;
    const double halfWidthAt43 = std::tan(30.0 * DEGREE) * 4.0 / 3.0;
    return 2.0 * std::atan(halfWidthAt43 / aspect) / DEGREE;
}

// A square tile stays square on every screen.
void setProjection(int width, int height)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double field = verticalFieldOfView(width, height);
    // With solid walls the eye stays VISITOR_RADIUS (0.7) from a wall; the near plane's corners
    // must stay nearer than that on any screen up to 21:9, or the wall would open before it. A
    // taller field keeps the near plane as high as at 60 degrees by bringing it closer.
    const double nearPlane = (solidWalls ? 0.35 : 1.0) * std::tan(30.0 * DEGREE) / std::tan(field / 2.0 * DEGREE);
    gluPerspective(field, static_cast<double>(width) / static_cast<double>(height), nearPlane, scene->farPlane());
}

void reshape(int width, int height)
{
    glViewport(0, 0, width, height);
    windowWidth = width;
    windowHeight = height;
    // A minimised window has no proportions; it keeps the projection it had.
    if (width > 0 && height > 0)
        setProjection(width, height);
    glMatrixMode(GL_MODELVIEW);
    followWindow();
}
