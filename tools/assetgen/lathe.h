// Lathed body parts: a profile of elliptic rings swept around the part's axis,
// turned into mesh vertices, triangles and skin coordinates on one skin island.
#pragma once

#include "mesh.h"

#include <functional>
#include <vector>

// One ring of a part: its centre and its radii along the part's u and v axes.
// A ring with both radii zero at either end of an open profile is a pole.
struct Ring {
    Vec3 centre;
    float ru = 0, rv = 0;
};

// A rectangle of the skin in pixels, y from the top.
struct Island {
    int x = 0, y = 0, w = 0, h = 0;
};

struct PartShape {
    std::string name;
    std::vector<Ring> rings;
    bool closedProfile = false;   // the last ring joins the first (a shell with a rim)
    Vec3 u{1, 0, 0}, v{0, 1, 0};  // cross-section axes; angle 0 lies along u, the seam opposite
    int segments = 8;
    Island island;                // size is chosen by the part, place by the packer
    std::function<Influences(Vec3)> bind;
};

// A point of a part's rest surface, for painting the skin under it.
struct SurfacePoint {
    Vec3 pos, normal;
    float angle = 0;    // radians around the axis, 0..2 pi, 0 along u
    float along = 0;    // distance along the profile from the first ring
    float total = 0;    // length of the whole profile
};

// Cumulative profile lengths at each ring (and back to the first when closed).
std::vector<float> profileLengths(const PartShape& shape);

// The surface under skin fractions fs (around) and ft (along), both 0..1;
// lengths are the part's profileLengths.
SurfacePoint latheSurface(const PartShape& shape, const std::vector<float>& lengths, float fs, float ft);

// Appends the part, its corners turned clockwise as seen from outside.
void addLathe(Mesh& mesh, const PartShape& shape);
