// The program's long-lived state: global objects that the GLUT callbacks reach directly.
// They are defined, in their construction order, in globals.cpp.
#pragma once

#include "collision/WallSet.h"
#include "level/ArchitecturePart.h"
#include "level/Level.h"
#include "level/Tetrahedron.h"
#include "math/FrameTimer.h"
#include "md2/ModelManager.h"
#include "overlay/TextOverlay.h"
#include "platform/Gl.h"
#include "scene/Camera.h"
#include "scene/SceneObject.h"
#include "texture/TextureManager.h"

#include <string>

extern Camera camera;
extern TextOverlay overlay;
extern TextureManager textureManager;
extern ModelManager modelManager;
extern Level level;
extern IdCounter idCounter;
extern ItemObject keyItem;

extern int windowWidth;
extern int windowHeight;
extern int windowId;
extern FrameTimer frameTimer;
extern float lightPosition[4];
extern GLenum architectureMode;
extern int wallTexture;
extern int ceilingTexture;
extern ArchitecturePart walls;
extern ArchitecturePart ceiling;
extern int characterModel;
extern Tetrahedron keyPart;
// The folder the data files are read from, decided once before the first file is opened.
extern std::string dataFolder;

// Key-state flags: true from a movement key's press to its release.
extern bool forwardHeld;
extern bool backwardHeld;
extern bool leftHeld;
extern bool rightHeld;
extern bool modelWalkHeld;
extern bool modelTurnHeld;

// How far a stick leans, each part from -1 to 1 of the movement keys' pace: ahead is forward,
// aside to the right. A thumb on the page's picture and a gamepad's left stick each have their
// own, so that one letting go does not stop the other.
struct Stride {
    float ahead;
    float aside;
};
extern Stride thumbStride;
extern Stride padStride;

extern bool roomsBuilt;

// The camera as the scene set-up placed it, for the way back (Home).
extern Camera startView;
// Our hall's walls that stop the visitor while solid walls are on (the switch is with the others).
extern WallSet solidWallSet;
