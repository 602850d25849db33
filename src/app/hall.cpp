// Our hall as the scene: the walls and ceiling of the data folder, the seven rooms of key '4',
// and solid walls that slide the camera along them.
#include "app/hall.h"

#include "app/callbacks.h"
#include "app/globals.h"
#include "app/scene.h"
#include "app/switches.h"
#include "collision/Slide.h"
#include "data/RunFiles.h"

namespace {

// The rooms the wall set holds; -1 until it is first built.
int wallSetRooms = -1;

// Puts the texture's slot in `slot`; returns the line it is refused with, empty when loaded.
std::string loadTextureInto(int& slot, const std::string& path)
{
    const TextureLoad load = textureManager.loadTexture(path.c_str(), true, true);
    slot = load.ok() ? load.slot : slot;
    return load.failure;
}

// The first file that cannot be used is the one the hall is refused with; none after it is read.
std::string loadLevelData()
{
    const RunFiles files = theRunFiles();
    std::string failure = loadTextureInto(wallTexture, files.wallTexture);
    if (failure.empty())
        failure = loadTextureInto(ceilingTexture, files.ceilingTexture);
    if (failure.empty())
        failure = walls.load(files.walls.c_str());
    if (failure.empty())
        failure = ceiling.load(files.ceiling.c_str());
    return failure;
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

// Seven 8 x 8 x 8 rooms on a diagonal towards -x, -z, 4 units apart, tiled with the wall texture.
void buildRooms()
{
    if (roomsBuilt)
        return;
    roomsBuilt = true;
    for (int k = 1; k <= 7; ++k) {
        float corner = -12.0f * static_cast<float>(k);
        level.makeRoom(8.0f, 8.0f, 8.0f, 4, false, false, false, false, Vec3(corner, 0.0f, corner), wallTexture);
    }
    if (solidWalls)
        refreshWallSet();
}

class Hall : public Scene {
public:
    std::string setUp() override { return loadLevelData(); }
    void startCamera(Camera& eye) const override
    {
        eye.position.set(7.5f, 4.0f, 0.0f);
        eye.viewPoint.set(0.0f, 4.0f, 0.0f);
    }
    void placeCharacter(Md2Model& character) const override { character.position.set(8.0f, 4.0f, 8.0f); }
    // Solid walls from the start (--solid) have their walls at once.
    void start() override
    {
        if (solidWalls)
            refreshWallSet();
    }
    double farPlane() const override { return 100.0; }
    // Slots are looked up every frame: a texture rebuild gives them new OpenGL names.
    void drawSolid() override
    {
        drawArchitecture(walls, textureManager.allTextures[wallTexture], ceiling,
                         textureManager.allTextures[ceilingTexture], architectureMode);
    }
    void drawSeeThrough() override {}
    void walk(float speedFactor) override { walkAlongWalls(speedFactor * 0.15f); }
    void solidWallsOn() override { refreshWallSet(); }
    void home() override {}
    void roomKey() override { buildRooms(); }
};

Hall hall;

}  // namespace

Scene& ourHall = hall;

void refreshWallSet()
{
    if (wallSetRooms != level.roomCount)
        rebuildWallSet();
}

void rebuildWallSet()
{
    const float eye = startView.position.y;
    solidWallSet = WallSet(eye - KNEE_BELOW_EYE, eye + HEAD_ABOVE_EYE);
    solidWallSet.addArchitecture(walls);
    solidWallSet.addArchitecture(ceiling);
    for (int r = 0; r < level.roomCount; ++r)
        solidWallSet.addRoom(*level.rooms[r]);
    solidWallSet.removeDuplicates();
    wallSetRooms = level.roomCount;
}
