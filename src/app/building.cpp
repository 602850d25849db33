// A user's building as the scene: its textures and light, the character on its floor facing the
// visitor, a far plane that reaches all of it, and the walking visitor of walking.cpp.
#include "app/building.h"

#include "app/callbacks.h"
#include "app/globals.h"
#include "app/scene.h"
#include "app/switches.h"
#include "building/BuildingSpot.h"
#include "building/draw/SkyDraw.h"
#include "collision/Slide.h"

#include <cmath>
#include <utility>

Building building;
BuildingDrawing buildingDrawing;
TriangleGrid& buildingFaces = building.faces;
Visitor buildingVisitor;

const char* const ROOMS_ONLY_IN_HALL = "The seven rooms belong to our hall; your building stays as you made it.";

namespace {

// The lowest and highest point of the character over its current sequence, so that its soles
// touch the floor whatever model it is (our pilgrim: 4 units below its origin, as in the hall).
void heightsOf(const Md2Model& model, float& lowest, float& highest)
{
    lowest = 0.0f;
    highest = 0.0f;
    const std::vector<ModelVertex>& frames = model.sequenceFrames[model.sequence];
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const float y = frames[i].position.y;
        lowest = i == 0 || y < lowest ? y : lowest;
        highest = i == 0 || y > highest ? y : highest;
    }
}

// The decoded pictures live on in OpenGL; their copies would only take memory.
void forgetPictures()
{
    for (BuildingMaterial& material : building.materials)
        std::vector<std::uint8_t>().swap(material.image.pixels);
}

class UserBuilding : public Scene {
public:
    // Its textures and light from the filled `building`; our hall's files are not read.
    std::string setUp() override
    {
        buildingDrawing.build(building, trilinear, mipmapping);
        forgetPictures();
        return "";
    }
    // Where the building's reader says the visitor starts.
    void startCamera(Camera& eye) const override
    {
        eye.position = building.start.eye;
        eye.viewPoint = building.start.lookAt;
    }
    // On the building's floor a few steps in front of the start, facing the visitor.
    void placeCharacter(Md2Model& character) const override
    {
        float lowest = 0.0f;
        float highest = 0.0f;
        heightsOf(character, lowest, highest);
        const CharacterSpot spot = characterSpot(building, VISITOR_RADIUS, highest - lowest);
        character.position = spot.feet - Vec3(0.0f, lowest, 0.0f);
        // Its heading at angle a is (cos a, 0, -sin a): turned towards the visitor's eye.
        const Vec3 eye = building.start.eye;
        const double toEye = std::atan2(-(eye.z - spot.feet.z), eye.x - spot.feet.x) * 57.29577951308232;
        character.angle = 0.0f;
        character.turn(static_cast<float>(toEye < 0.0 ? toEye + 360.0 : toEye));
    }
    void start() override { prepareWalking(); }
    // From anywhere within the building everything in it is nearer than its diagonal; a start
    // outside it adds its distance. Never nearer than our hall's 100.
    double farPlane() const override
    {
        const Vec3 size = building.high - building.low;
        const Vec3 middle = (building.low + building.high) * 0.5f;
        const double reach = 1.5 * (static_cast<double>(size.length()) + (building.start.eye - middle).length());
        return std::isfinite(reach) && reach > 100.0 ? reach : 100.0;
    }
    // The sky round it, then its opaque and cut-out surfaces.
    void drawSolid() override
    {
        drawSky(camera.position);
        buildingDrawing.drawSolid(building);
    }
    // Glass, farthest first.
    void drawSeeThrough() override { buildingDrawing.drawSeeThrough(building, camera.position); }
    void walk(float speedFactor) override { walkInBuilding(speedFactor); }
    // Solid walls mean the walking visitor, where the free camera left it.
    void solidWallsOn() override { visitorFromCamera(); }
    void home() override { resetVisitor(); }
    // The rooms are part of our hall: in a user's building they would cut through its walls, untiled.
    void roomKey() override { overlay.setMessage(ROOMS_ONLY_IN_HALL); }
};

UserBuilding shownBuilding;

}  // namespace

Scene& userBuilding = shownBuilding;

void replaceBuilding(Building&& next)
{
    buildingDrawing.release();
    building = std::move(next);
    scene = &userBuilding;
    shownBuilding.setUp();
    shownBuilding.placeCharacter(modelManager.models[characterModel]);
    placeCamera();
    // The projection follows too: the building's far plane, solid walls' near plane.
    shownBuilding.start();
}
