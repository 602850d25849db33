// A door's leaves told from its frame, and how each leaf moves, from the door's triangles
// alone: where the file groups a door's leaf, frame, glass and handle together, or where a
// panel stands alone.
#pragma once

#include "math/Vec3.h"

#include <cstdint>
#include <string>
#include <vector>

struct DoorTriangle {
    Vec3 corners[3];
    std::uint32_t surface, index;  // where it is in the building: surface, triangle
};

struct LeafFound {
    std::vector<std::size_t> triangles;  // of those given: the leaf with its glass and handle
    Vec3 hinge;     // the foot of the edge it turns about (or slides towards), in its middle
    Vec3 across;    // level, unit: from that edge to the free edge
    float width = 0.0f, height = 0.0f, thickness = 0.0f;
    bool slides = false;  // no handle near one edge tells where its hinges are
};

struct DoorFound {
    std::vector<LeafFound> leaves;  // none when no panel like a leaf stands among the triangles
    Vec3 across, normal;            // level, unit: along the door's width, and through it
    Vec3 middle;                    // of all the triangles, at their foot
    float width = 0.0f, height = 0.0f;
    bool framed = false;            // a frame stands round the leaves
};

// What the given triangles (one door, and nothing else) make: the frame is what spans the
// whole door with an opening in it, and thresholds under the leaves stay with it; each leaf is
// a panel at least 0.3 m wide and most of the door's height that no other such panel holds,
// with whatever stands within it (glass, bars, a handle). A handle near one edge puts the
// hinges on the other.
DoorFound findLeaves(const std::vector<DoorTriangle>& triangles);
