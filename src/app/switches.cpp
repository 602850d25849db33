#include "app/switches.h"

#include "app/building.h"
#include "app/callbacks.h"
#include "app/globals.h"
#include "app/help.h"
#include "app/scene.h"
#include "data/LoadFailure.h"

#include <cstdio>

namespace {

// F4 and F5: every texture with the new filtering. A file that can no longer be used (gone since
// the start) ends the program with its line, as it would have at the start.
void refilterTextures()
{
    const std::string failure = textureManager.reloadAll(trilinear, mipmapping);
    if (!failure.empty())
        endWithLoadFailure(failure);
    buildingDrawing.setFiltering(trilinear, mipmapping);
}

}  // namespace

void toggleHelp()
{
    showHelp = !showHelp;
    if (showHelp)
        showHelpText();
    else
        overlay.messageFrames = 0;
}

void showHelpText()
{
    overlay.setMessage(helpTextNow().c_str());
    overlay.messageFrames = MESSAGE_UNTIL_REPLACED;
}

void toggleFrameRate()
{
    frameTimer.fpsEnabled = !frameTimer.fpsEnabled;
}

void toggleWireframe()
{
    wireframe = !wireframe;
    architectureMode = wireframe ? GL_LINE_STRIP : GL_QUADS;
    GLenum modelMode = wireframe ? GL_LINE_STRIP : GL_TRIANGLES;
    for (int i = 0; i < modelManager.modelCount; ++i)
        modelManager.models[i].primitiveMode = modelMode;
    level.setRoomPrimitiveMode(wireframe ? GL_LINE_STRIP : GL_TRIANGLES);
    buildingDrawing.mode = modelMode;
    overlay.announce("Wireframe", wireframe);
}

void toggleTrilinear()
{
    if (!mipmapping && !trilinear) {
        overlay.setMessage("Trilinear filtering without Mipmapping is not possible.");
        return;
    }
    trilinear = !trilinear;
    refilterTextures();
    overlay.setMessage(trilinear ? "Trilinear filtering" : "Bilinear filtering");
}

void toggleMipmapping()
{
    mipmapping = !mipmapping;
    refilterTextures();
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

// The text is a snapshot of the character as it stands now; only the next F10 refreshes it.
void toggleModelInfo()
{
    const Md2Model& model = modelManager.models[characterModel];
    std::snprintf(overlay.modelInfo, sizeof overlay.modelInfo,
                  "md2modelinformation:\nposition:   %f   %f   %f\nangle:      %f\nviewvector: %f   %f   %f",
                  static_cast<double>(model.position.x), static_cast<double>(model.position.y),
                  static_cast<double>(model.position.z), static_cast<double>(model.angle),
                  static_cast<double>(model.viewVector.x), static_cast<double>(model.viewVector.y),
                  static_cast<double>(model.viewVector.z));
    overlay.showModelInfo = !overlay.showModelInfo;
}

void toggleLightNormals()
{
    showLightNormals = !showLightNormals;
    for (int i = 0; i < modelManager.modelCount; ++i)
        modelManager.models[i].showLightNormals = showLightNormals;
    overlay.announce("Show Light Normals", showLightNormals);
}

void toggleSolidWalls()
{
    solidWalls = !solidWalls;
    // Off, the camera flies free in either scene.
    if (solidWalls)
        scene->solidWallsOn();
    // The near plane follows: a visitor held at a wall's reach must not see through it. A
    // minimised window has no proportions; its next reshape sets the projection.
    if (windowWidth > 0 && windowHeight > 0) {
        setProjection(windowWidth, windowHeight);
        glMatrixMode(GL_MODELVIEW);
    }
    overlay.announce("Solid Walls", solidWalls);
}
