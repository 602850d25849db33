// Helpers that say which bones move a rest-pose vertex, shared by the part builders.
#pragma once

#include "skeleton.h"

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <vector>

inline float heightOf(Vec3 p) { return p.z - kFloorZ; }

inline float smoothStep(float e0, float e1, float x)
{
    float t = std::clamp((x - e0) / (e1 - e0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

inline Influences single(Bone b) { return {{b, b, b}, {1, 0, 0}}; }

inline Influences mix(Bone a, Bone b, float towardB)
{
    return {{a, b, b}, {1 - towardB, towardB, 0}};
}

// Bones that hold a vertical chain, each from the height listed with it; the
// vertices in between ease smoothly from one bone to the next.
struct HeightStop {
    float height;
    Bone bone;
};

inline std::function<Influences(Vec3)> byHeight(std::vector<HeightStop> stops)
{
    return [stops](Vec3 p) {
        float h = heightOf(p);
        if (h >= stops.front().height)
            return single(stops.front().bone);
        for (std::size_t i = 1; i < stops.size(); ++i)
            if (h >= stops[i].height)
                return mix(stops[i - 1].bone, stops[i].bone,
                           smoothStep(stops[i - 1].height, stops[i].height, h));
        return single(stops.back().bone);
    };
}

inline std::function<Influences(Vec3)> rigid(Bone b)
{
    return [b](Vec3) { return single(b); };
}
