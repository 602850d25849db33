#include "building/draw/DoorDraw.h"

#include "building/BuildingLight.h"
#include "building/DoorMotion.h"

namespace {

bool isGlass(const Building& building, const BuildingSurface& surface)
{
    return surface.material >= 0 && std::size_t(surface.material) < building.materials.size() &&
           building.materials[std::size_t(surface.material)].alphaMode == AlphaMode::Blend;
}

}  // namespace

std::vector<std::vector<std::uint8_t>> bakeLeafLight(const Building& building)
{
    static const BuildingMaterial plain;
    std::vector<std::vector<std::uint8_t>> colours;
    for (const BuildingDoor& door : building.doors)
        for (const DoorLeaf& leaf : door.leaves)
            for (const BuildingSurface& surface : leaf.surfaces) {
                const bool known = surface.material >= 0 && std::size_t(surface.material) < building.materials.size();
                colours.push_back(bakeLight(surface, known ? building.materials[std::size_t(surface.material)] : plain));
            }
    return colours;
}

bool leavesHaveGlass(const Building& building)
{
    for (const BuildingDoor& door : building.doors)
        for (const DoorLeaf& leaf : door.leaves)
            for (const BuildingSurface& surface : leaf.surfaces)
                if (isGlass(building, surface))
                    return true;
    return false;
}

void drawLeaves(const Building& building, const BuildingDrawing& drawing, bool seeThrough)
{
    std::size_t next = 0;
    for (const BuildingDoor& door : building.doors)
        for (const DoorLeaf& leaf : door.leaves) {
            const LeafPose pose = leafPose(door, leaf);
            glPushMatrix();
            glTranslatef(leaf.hinge.x + pose.shift.x, leaf.hinge.y + pose.shift.y, leaf.hinge.z + pose.shift.z);
            glRotatef(pose.degrees, 0.0f, 1.0f, 0.0f);
            glTranslatef(-leaf.hinge.x, -leaf.hinge.y, -leaf.hinge.z);
            for (const BuildingSurface& surface : leaf.surfaces) {
                const std::size_t s = next++;
                if (s < drawing.leafColours.size() && isGlass(building, surface) == seeThrough)
                    drawSurfaceArrays(building, drawing, surface, drawing.leafColours[s], seeThrough);
            }
            glPopMatrix();
        }
}
