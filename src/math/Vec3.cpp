#include "math/Vec3.h"

#include <cmath>

void Vec3::set(float ax, float ay, float az)
{
    x = ax;
    y = ay;
    z = az;
}

Vec3 Vec3::cross(Vec3 b) const
{
    return Vec3(y * b.z - z * b.y, z * b.x - x * b.z, x * b.y - y * b.x);
}

float Vec3::length() const
{
    float sum = x * x;
    sum += y * y;
    sum += z * z;
    return static_cast<float>(std::sqrt(static_cast<double>(sum)));
}

Vec3 Vec3::normalized() const
{
    float l = length();
    return Vec3(x / l, y / l, z / l);
}
