// The one vector type: positions, directions and normals, three contiguous floats
// so that a Vec3 (or an array of them) can be handed to OpenGL as-is.
#pragma once

#include <cmath>

struct ModelVertex;

struct Vec3 {
    float x;
    float y;
    float z;

    Vec3() : x(0.0f), y(0.0f), z(0.0f) {}
    Vec3(float ax, float ay, float az) : x(ax), y(ay), z(az) {}

    void set(float ax, float ay, float az);
    void set(ModelVertex vertex);

    Vec3 operator+(Vec3 b) const { return Vec3(x + b.x, y + b.y, z + b.z); }
    Vec3 operator-(Vec3 b) const { return Vec3(x - b.x, y - b.y, z - b.z); }
    Vec3 operator*(float s) const { return Vec3(s * x, s * y, s * z); }
    Vec3 operator/(float s) const { return Vec3(x / s, y / s, z / s); }

    // Defined here so that loops over many vertices (the light normals) inline them.
    Vec3 cross(Vec3 b) const { return Vec3(y * b.z - z * b.y, z * b.x - x * b.z, x * b.y - y * b.x); }
    float length() const
    {
        float sum = x * x;
        sum += y * y;
        sum += z * z;
        return static_cast<float>(std::sqrt(static_cast<double>(sum)));
    }
    Vec3 normalized() const
    {
        const float l = length();
        return Vec3(x / l, y / l, z / l);
    }
};
