// The global objects, constructed before main in the order they are defined here.
#include "app/globals.h"
#include "app/scene.h"
#include "app/switches.h"

Camera camera;
TextOverlay overlay(&frameTimer);
TextureManager textureManager;
ModelManager modelManager{ModelManager::Quiet()};
Level level;
IdCounter idCounter(0);
ItemObject keyItem(idCounter, "a key", true, false);

int windowWidth = 640;
int windowHeight = 480;
int windowId = 0;
FrameTimer frameTimer;
float lightPosition[4] = {5.0f, 9.92f, 0.02f, 1.0f};
GLenum architectureMode = 0;
int wallTexture = 0;
int ceilingTexture = 0;
ArchitecturePart walls;
ArchitecturePart ceiling;
int characterModel = 0;
Tetrahedron keyPart;
std::string dataFolder;

bool forwardHeld = false;
bool backwardHeld = false;
bool leftHeld = false;
bool rightHeld = false;
bool modelWalkHeld = false;
bool modelTurnHeld = false;
Stride thumbStride = {0.0f, 0.0f};
Stride padStride = {0.0f, 0.0f};

bool roomsBuilt = false;

Camera startView;
WallSet solidWallSet;
Scene* scene = &ourHall;

bool showHelp = false;
bool wireframe = false;
bool trilinear = true;
bool mipmapping = true;
bool vertexArrays = false;
bool displayLists = false;
bool frustumCulling = false;
bool transparency = false;
bool showLightNormals = false;
bool solidWalls = false;
