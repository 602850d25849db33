#include "check/DoorsCheck.h"

#include <cstdio>

namespace {

std::string metres(float units)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", double(units / UNITS_PER_METRE));
    return text;
}

std::string leafText(const DoorLeaf& leaf)
{
    return sizeInMetres(leaf.width, leaf.height) + (leaf.slides ? " sliding (no handle tells where its hinges are)"
                                                                : " on hinges (its handle tells which side)");
}

std::string leavesText(const BuildingDoor& door)
{
    if (door.leaves.size() == 1)
        return "a leaf of " + leafText(door.leaves.front());
    std::string text = std::to_string(door.leaves.size()) + " leaves:";
    for (const DoorLeaf& leaf : door.leaves)
        text += std::string(&leaf == &door.leaves.front() ? " " : "; ") + leafText(leaf);
    return text;
}

}  // namespace

std::string placeText(Vec3 v)
{
    return "(" + metres(v.x) + ", " + metres(v.y) + ", " + metres(v.z) + ") m";
}

std::string sizeInMetres(float width, float height)
{
    return metres(width) + " x " + metres(height) + " m";
}

void addDoorFacts(const Building& building, FileReport& report)
{
    report.facts.push_back("doors: " + std::to_string(building.doors.size()) +
                           (building.doors.empty() ? "" : ", each opens as the visitor walks into it"));
    for (const BuildingDoor& door : building.doors)
        report.facts.push_back("  " + (door.name.empty() ? std::string("by its shape") : "'" + door.name + "'") + " at " +
                               placeText(door.middle) + ": " + leavesText(door));
    for (const ShutDoor& shut : building.shutDoors)
        report.facts.push_back("  named as a door but stays shut: '" + shut.name + "' at " + placeText(shut.middle) + ", " +
                               sizeInMetres(shut.width, shut.height) + ": " + shut.why);
    if (building.volumesLeftOut > 0)
        report.facts.push_back("left out: " + counted(building.volumesLeftOut, "mesh") +
                               " of rooms' volumes and openings (IfcSpace, IfcOpeningElement), which are no walls");
}
