// The checker's lines on a building's doors: those that open as the visitor walks into them,
// how, and what is named as a door but stays shut, and why.
#pragma once

#include "building/Building.h"
#include "check/FileReport.h"

// "(1.20, 0.00, -3.50) m", a place in the building in metres, as the reports write it.
std::string placeText(Vec3 units);
// "0.90 x 2.00 m".
std::string sizeInMetres(float width, float height);

void addDoorFacts(const Building& building, FileReport& report);
