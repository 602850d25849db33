#include "app/switches.h"

#include "app/globals.h"

#include <cstdio>

void toggleHelp()
{
    showHelp = !showHelp;
    if (showHelp) {
        overlay.setMessage(HELP_TEXT);
        overlay.messageFrames = MESSAGE_UNTIL_REPLACED;
    } else {
        overlay.messageFrames = 0;
    }
}

void toggleFrameRate()
{
    frameTimer.fpsEnabled = !frameTimer.fpsEnabled;
}

void toggleWireframe()
{
    wireframe = !wireframe;
    architectureMode = wireframe ? GL_LINE_STRIP : GL_QUADS;
    level.setRoomPrimitiveMode(wireframe ? GL_LINE_STRIP : GL_TRIANGLES);
    overlay.announce("Wireframe", wireframe);
}

void toggleTrilinear()
{
    if (!mipmapping && !trilinear) {
        overlay.setMessage("Trilinear filtering without Mipmapping is not possible.");
        return;
    }
    trilinear = !trilinear;
    textureManager.reloadAll(trilinear, mipmapping);
    overlay.setMessage(trilinear ? "Trilinear filtering" : "Bilinear filtering");
}

void toggleMipmapping()
{
    mipmapping = !mipmapping;
    textureManager.reloadAll(trilinear, mipmapping);
    overlay.announce("Mipmapping", mipmapping);
}

void toggleVertexArrays()
{
    vertexArrays = !vertexArrays;
    overlay.announce("Vertex Arrays", vertexArrays);
}

void toggleDisplayLists()
{
    displayLists = !displayLists;
    overlay.announce("Display Lists", displayLists);
}

void toggleFrustumCulling()
{
    frustumCulling = !frustumCulling;
    overlay.announce("Frustrum Culling", frustumCulling);
}

void toggleTransparency()
{
    transparency = !transparency;
    overlay.announce("Transparence", transparency);
}
