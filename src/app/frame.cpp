// The frame: idle moves the camera by the keys held and the sticks, display draws and times the frame.
#include "app/callbacks.h"
#include "app/gamepad.h"
#include "app/globals.h"
#include "app/scene.h"
#include "app/screenshot.h"
#include "app/switches.h"
#include "app/window.h"

#include <GL/freeglut.h>
#include <algorithm>

namespace {

// One part of the stride: a key each way at full pace, plus what the sticks lean.
float keysAndSticks(bool more, bool less, float thumb, float pad)
{
    const float sum = (more ? 1.0f : 0.0f) - (less ? 1.0f : 0.0f) + thumb + pad;
    return std::max(-1.0f, std::min(1.0f, sum));
}

}  // namespace

Stride wishedStride()
{
    return {keysAndSticks(forwardHeld, backwardHeld, thumbStride.ahead, padStride.ahead),
            keysAndSticks(rightHeld, leftHeld, thumbStride.aside, padStride.aside)};
}

void walkThroughWalls(float step)
{
    const Stride stride = wishedStride();
    if (stride.ahead != 0.0f)
        camera.moveForward(step * stride.ahead);
    if (stride.aside != 0.0f)
        camera.strafe(step * stride.aside);
}

void idleStep()
{
    float step = frameTimer.speedFactor * 0.15f;
    if (solidWalls)
        scene->walk(frameTimer.speedFactor);
    else
        walkThroughWalls(step);
    camera.updateSide();
    // The character walks the same step; its turn is one degree per idle call, unscaled.
    if (modelWalkHeld)
        modelManager.models[characterModel].move(step);
    if (modelTurnHeld)
        modelManager.models[characterModel].turn(1.0f);
}

void idle()
{
    if (textureManager.reloading)
        return;
    followGamepad(readGamepad(), frameTimer.speedFactor);
    idleStep();
    finishWindowChange();
    glutPostRedisplay();
}

void drawFrame()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    gluLookAt(camera.position.x, camera.position.y, camera.position.z, camera.viewPoint.x, camera.viewPoint.y,
              camera.viewPoint.z, camera.up.x, camera.up.y, camera.up.z);
    // Lighting is never enabled; the light is still placed in world coordinates every frame.
    glLightfv(GL_LIGHT1, GL_POSITION, lightPosition);
    glShadeModel(GL_SMOOTH);
    scene->drawSolid();
    for (int i = 0; i < modelManager.modelCount; ++i)
        modelManager.models[i].draw(textureManager);
    level.draw(textureManager);
    // Glass shows what stands behind it, the character included.
    scene->drawSeeThrough();
    overlay.draw();
}

void display()
{
    drawFrame();
    if (screenshotWanted) {
        screenshotWanted = false;
        saveScreenshot();
    }
    glutSwapBuffers();
    frameTimer.update();
}
