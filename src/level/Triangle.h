// A triangle with the unit normal that follows from the order of its corners.
#pragma once

#include "math/Vec3.h"

struct Triangle {
    Vec3 p0;
    Vec3 p1;
    Vec3 p2;
    Vec3 normal;

    Triangle() = default;
    Triangle(Vec3 a, Vec3 b, Vec3 c) : p0(a), p1(b), p2(c) { computeNormal(); }

    // Right-hand rule: seen from where the normal points, p0, p1, p2 run counter-clockwise.
    // A degenerate triangle has no direction and gets (0, 0, 0).
    void computeNormal();
};
