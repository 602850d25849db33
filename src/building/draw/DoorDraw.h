// The leaves of the building's doors on screen, each turned about its hinge or slid as far as
// its door is open (DoorMotion.h), with the light baked where it stands shut.
#pragma once

#include "building/Building.h"
#include "building/draw/BuildingDraw.h"

// The colours of every leaf's surfaces, door by door, leaf by leaf (BuildingDrawing::leafColours).
std::vector<std::vector<std::uint8_t>> bakeLeafLight(const Building& building);
// Whether any leaf has see-through surfaces (a door's glass).
bool leavesHaveGlass(const Building& building);
// The leaves' see-through surfaces, or all their others, in the building's drawing state.
void drawLeaves(const Building& building, const BuildingDrawing& drawing, bool seeThrough);
