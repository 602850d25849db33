// Which floors of a user's building the visitor reaches from its start, walking by the
// walker's own rules: a flood over places a quarter of a metre apart, each step taken by the
// walker itself, so that a place reported reached is one the keys walk to.
#pragma once

#include "building/Building.h"

#include <functional>
#include <vector>

// One storey: the floors near one height, with what of them the visitor reaches.
struct StoreyReach {
    float height = 0.0f;   // of its floor, in our units
    float reached = 0.0f;  // floor area, in square units
    float unreached = 0.0f;
    Vec3 unreachedAt;      // the middle of the largest piece of it not reached
};

struct BuildingReach {
    std::vector<StoreyReach> storeys;  // the lowest first
    std::size_t places = 0;            // walked to
    float spacing = 0.0f;              // between them: 0.25 m, more in a plan larger than a house's
    double seconds = 0.0;
};

// Walks the building from its start. `progress` is told the places walked to so far, about
// every second.
BuildingReach walkEverywhere(const Building& building, const std::function<void(std::size_t)>& progress);
