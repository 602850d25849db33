// Small 3-D vector and rotation helpers for building and posing the character.
#pragma once

#include <cmath>

struct Vec3 {
    float x = 0, y = 0, z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, float s) { return {a.x * s, a.y * s, a.z * s}; }
inline float dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 cross(Vec3 a, Vec3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline float length(Vec3 a) { return std::sqrt(dot(a, a)); }
inline Vec3 normalize(Vec3 a)
{
    float l = length(a);
    return l > 0 ? a * (1.0f / l) : a;
}
inline Vec3 lerp(Vec3 a, Vec3 b, float f) { return a + (b - a) * f; }

constexpr float kPi = 3.14159265358979f;
inline float radians(float degrees) { return degrees * kPi / 180.0f; }

// A rotation matrix, stored as rows.
struct Mat3 {
    Vec3 r[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
};

inline Vec3 operator*(const Mat3& m, Vec3 v) { return {dot(m.r[0], v), dot(m.r[1], v), dot(m.r[2], v)}; }
inline Mat3 operator*(const Mat3& a, const Mat3& b)
{
    Mat3 m;
    for (int i = 0; i < 3; ++i) {
        Vec3 row = a.r[i];
        m.r[i] = {row.x * b.r[0].x + row.y * b.r[1].x + row.z * b.r[2].x,
                  row.x * b.r[0].y + row.y * b.r[1].y + row.z * b.r[2].y,
                  row.x * b.r[0].z + row.y * b.r[1].z + row.z * b.r[2].z};
    }
    return m;
}

// Rotation by roll about x, then pitch about y, then yaw about z (degrees).
// With x forward, y left and z up, a positive pitch tips an upward bone forward.
inline Mat3 eulerDegrees(Vec3 rollPitchYaw)
{
    float cx = std::cos(radians(rollPitchYaw.x)), sx = std::sin(radians(rollPitchYaw.x));
    float cy = std::cos(radians(rollPitchYaw.y)), sy = std::sin(radians(rollPitchYaw.y));
    float cz = std::cos(radians(rollPitchYaw.z)), sz = std::sin(radians(rollPitchYaw.z));
    Mat3 rx, ry, rz;
    rx.r[0] = {1, 0, 0};
    rx.r[1] = {0, cx, -sx};
    rx.r[2] = {0, sx, cx};
    ry.r[0] = {cy, 0, sy};
    ry.r[1] = {0, 1, 0};
    ry.r[2] = {-sy, 0, cy};
    rz.r[0] = {cz, -sz, 0};
    rz.r[1] = {sz, cz, 0};
    rz.r[2] = {0, 0, 1};
    return rz * (ry * rx);
}
