// The frame: idle moves the camera by the keys held, display draws and times the frame.
#include "app/building.h"
#include "app/callbacks.h"
#include "app/globals.h"
#include "app/screenshot.h"
#include "app/switches.h"
#include "app/walking.h"
#include "app/window.h"
#include "collision/Slide.h"

#include <GL/freeglut.h>

namespace {

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

// The camera's own steps say where the visitor means to go; the walls say how far it gets.
// Position and view point move alike, so the view keeps its direction.
void walkAlongWalls(float step)
{
    const Vec3 from = camera.position;
    walkThroughWalls(step);
    const Vec3 reached = slideVisitor(solidWallSet, from, camera.position, VISITOR_RADIUS);
    const Vec3 back = reached - camera.position;
    camera.position = reached;
    camera.viewPoint.x = camera.viewPoint.x + back.x;
    camera.viewPoint.z = camera.viewPoint.z + back.z;
}

}  // namespace

void idleStep()
{
    float step = frameTimer.speedFactor * 0.15f;
    if (solidWalls && inBuilding())
        walkInBuilding(frameTimer.speedFactor);
    else if (solidWalls)
        walkAlongWalls(step);
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
    // Slots are looked up every frame: a texture rebuild gives them new OpenGL names.
    if (buildingShown())
        drawBuildingSolid();
    else
        drawArchitecture(walls, textureManager.allTextures[wallTexture], ceiling,
                         textureManager.allTextures[ceilingTexture], architectureMode);
    for (int i = 0; i < modelManager.modelCount; ++i)
        modelManager.models[i].draw(textureManager);
    level.draw(textureManager);
    // Glass shows what stands behind it, the character included.
    if (buildingShown())
        drawBuildingSeeThrough();
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
