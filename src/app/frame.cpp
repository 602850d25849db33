// The frame: idle moves the camera by the keys held, display draws and times the frame.
#include "app/callbacks.h"
#include "app/globals.h"
#include "app/scene.h"
#include "app/screenshot.h"
#include "app/switches.h"
#include "app/window.h"

#include <GL/freeglut.h>

void walkThroughWalls(float step)
{
    if (forwardHeld)
        camera.moveForward(step);
    if (backwardHeld)
        camera.moveForward(-step);
    if (rightHeld)
        camera.strafe(step);
    if (leftHeld)
        camera.strafe(-step);
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
