// Building blocks for the pilgrim's animations: blending poses, keyframe curves
// and the two base postures (standing with the staff, crouching).
#pragma once

#include "skeleton.h"

#include <vector>

// a + (b - a) * f for every joint angle and the body's turn, shift and lift.
Pose blend(const Pose& a, const Pose& b, float f);

// Adds the joint angles and body offsets of delta to base.
Pose operator+(const Pose& base, const Pose& delta);
Pose operator*(const Pose& p, float s);

struct Key {
    float time;  // 0..1
    Pose pose;
};

// Catmull-Rom through the keys. A looping curve wraps from the last key to the
// first at time 1; an open one holds its end keys.
Pose sampleKeys(const std::vector<Key>& keys, float t, bool loops);

Pose stance();        // relaxed standing, staff upright in the right hand
Pose crouchStance();  // squatting low, staff held across the knees

inline float wave(float t, float cycles, float phase = 0)
{
    return std::sin(2 * kPi * (t * cycles + phase));
}
