#include "app/building.h"

#include "app/globals.h"
#include "app/switches.h"
#include "building/BuildingSpot.h"
#include "collision/Slide.h"

#include <cmath>

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

}  // namespace

bool buildingShown()
{
    return !building.surfaces.empty();
}

void setupBuilding()
{
    buildingDrawing.build(building, trilinear, mipmapping);
    forgetPictures();
}

void standCharacterInBuilding()
{
    Md2Model& model = modelManager.models[characterModel];
    float lowest = 0.0f;
    float highest = 0.0f;
    heightsOf(model, lowest, highest);
    const CharacterSpot spot = characterSpot(building, VISITOR_RADIUS, highest - lowest);
    model.position = spot.feet - Vec3(0.0f, lowest, 0.0f);
    // Its heading at angle a is (cos a, 0, -sin a): turned towards the visitor's eye.
    const Vec3 eye = building.start.eye;
    const double toEye = std::atan2(-(eye.z - spot.feet.z), eye.x - spot.feet.x) * 57.29577951308232;
    model.angle = 0.0f;
    model.turn(static_cast<float>(toEye < 0.0 ? toEye + 360.0 : toEye));
}

double farPlane()
{
    if (!buildingShown())
        return 100.0;
    // From anywhere within the building everything in it is nearer than its diagonal; a start
    // outside it adds its distance. Never nearer than our hall's 100.
    const Vec3 size = building.high - building.low;
    const Vec3 middle = (building.low + building.high) * 0.5f;
    const double reach = 1.5 * (static_cast<double>(size.length()) + (building.start.eye - middle).length());
    return std::isfinite(reach) && reach > 100.0 ? reach : 100.0;
}

void drawBuildingSolid()
{
    buildingDrawing.drawSolid(building);
}

void drawBuildingSeeThrough()
{
    buildingDrawing.drawSeeThrough(building, camera.position);
}
