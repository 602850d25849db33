#include "level/Triangle.h"

void Triangle::computeNormal()
{
    Vec3 w = (p1 - p0).cross(p2 - p0);
    normal = w.length() > 0.0f ? w.normalized() : Vec3(0.0f, 0.0f, 0.0f);
}
