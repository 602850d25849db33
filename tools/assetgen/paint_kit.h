// Colours and deterministic value noise for painting the pilgrim's skin.
#pragma once

#include "vec3.h"

#include <algorithm>
#include <cstdint>

struct Rgb {
    float r = 0, g = 0, b = 0;
};

inline Rgb operator*(Rgb c, float s) { return {c.r * s, c.g * s, c.b * s}; }
inline Rgb mixRgb(Rgb a, Rgb b, float f)
{
    f = std::clamp(f, 0.0f, 1.0f);
    return {a.r + (b.r - a.r) * f, a.g + (b.g - a.g) * f, a.b + (b.b - a.b) * f};
}

// Smooth noise in 0..1 at a point, from a fixed integer hash: same bytes every run.
float valueNoise(Vec3 p);

// Two octaves of value noise, 0..1.
inline float grain(Vec3 p, float scale)
{
    return 0.65f * valueNoise(p * scale) + 0.35f * valueNoise(p * (scale * 2.7f) + Vec3{5.1f, 1.3f, 7.7f});
}

// 1 inside an ellipse around centre with half sizes a (across) and b (up), fading over soft.
inline float spot(float dx, float dy, float a, float b, float soft)
{
    float d = std::sqrt((dx / a) * (dx / a) + (dy / b) * (dy / b));
    return std::clamp((1 - d) / soft + 0.5f, 0.0f, 1.0f);
}
