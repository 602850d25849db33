#include "math/Vec3.h"

void Vec3::set(float ax, float ay, float az)
{
    x = ax;
    y = ay;
    z = az;
}

