// The walls a visitor cannot walk through, seen from above: every face of the architecture and
// of the generated rooms that crosses the band between knee and head height becomes a segment
// of the floor plan. Floors and ceilings (level faces) never do. Built when solid walls are
// switched on and when rooms are made, never during a frame.
#pragma once

#include "math/Vec3.h"

#include <vector>

struct ArchitecturePart;
struct Room;

struct WallSegment {
    float ax, az, bx, bz;
};

struct WallSet {
    std::vector<WallSegment> segments;
    float bandLow = 0.0f;   // knee height: lower faces (a kerb) do not stop the visitor
    float bandHigh = 0.0f;  // head height: higher faces (a lintel) do not either

    WallSet() = default;
    WallSet(float kneeHeight, float headHeight) : bandLow(kneeHeight), bandHigh(headHeight) {}

    // A flat convex face given by its corners in order (a triangle or a quad).
    void addFace(const Vec3* corners, int count);
    // Every whole quad of an architecture part (a trailing partial quad is not drawn either).
    void addArchitecture(const ArchitecturePart& part);
    // Every triangle of a room, moved to where the room stands.
    void addRoom(const Room& room);
    // Drops segments that another face already gave (a room wall's cells share their columns).
    void removeDuplicates();
};
