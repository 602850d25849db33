#include "collision/WallSet.h"

#include "collision/ClipPolygon.h"
#include "level/ArchitecturePart.h"
#include "level/Room.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

constexpr int MAX_CORNERS = 8;  // a quad clipped by two planes keeps at most six

// Newell's normal: sound for any flat polygon, whatever its first corners are.
Vec3 faceNormal(const Vec3* corners, int count)
{
    Vec3 n(0.0f, 0.0f, 0.0f);
    for (int i = 0; i < count; ++i) {
        const Vec3& a = corners[i];
        const Vec3& b = corners[(i + 1) % count];
        n.x += (a.y - b.y) * (a.z + b.z);
        n.y += (a.z - b.z) * (a.x + b.x);
        n.z += (a.x - b.x) * (a.y + b.y);
    }
    return n;
}

bool samePoint(float ax, float az, float bx, float bz)
{
    return ax == bx && az == bz;
}

}  // namespace

void WallSet::addFace(const Vec3* corners, int count)
{
    if (count < 3 || count > 4)
        return;
    const Vec3 n = faceNormal(corners, count);
    const float length = n.length();
    // Level faces (floors, ceilings, soffits) and faces without area never stop the visitor.
    if (!(length > 0.0f) || std::fabs(n.y) > 0.999f * length)
        return;
    Vec3 above[MAX_CORNERS];
    Vec3 band[MAX_CORNERS];
    const int aboveCount = clipAt(corners, count, bandLow, true, above);
    const int bandCount = clipAt(above, aboveCount, bandHigh, false, band);
    if (bandCount < 2)
        return;
    if (std::fabs(n.y) < 1e-3f * length) {
        // Upright: its plan is one line; keep its two ends.
        const float dx = n.z, dz = -n.x;
        int low = 0, high = 0;
        for (int i = 1; i < bandCount; ++i) {
            const float t = band[i].x * dx + band[i].z * dz;
            if (t < band[low].x * dx + band[low].z * dz)
                low = i;
            if (t > band[high].x * dx + band[high].z * dz)
                high = i;
        }
        if (!samePoint(band[low].x, band[low].z, band[high].x, band[high].z))
            segments.push_back({band[low].x, band[low].z, band[high].x, band[high].z});
        return;
    }
    // Sloping: every edge of its plan within the band is a wall.
    for (int i = 0; i < bandCount; ++i) {
        const Vec3& a = band[i];
        const Vec3& b = band[(i + 1) % bandCount];
        if (!samePoint(a.x, a.z, b.x, b.z))
            segments.push_back({a.x, a.z, b.x, b.z});
    }
}

void WallSet::addArchitecture(const ArchitecturePart& part)
{
    const int quads = std::min(part.vertexCount, static_cast<int>(part.vertices.size() / 3)) / 4;
    for (int q = 0; q < quads; ++q) {
        Vec3 corners[4];
        for (int c = 0; c < 4; ++c) {
            const float* v = &part.vertices[static_cast<std::size_t>(q * 4 + c) * 3];
            corners[c] = Vec3(v[0], v[1], v[2]);
        }
        addFace(corners, 4);
    }
}

void WallSet::addRoom(const Room& room)
{
    // Four entries a triangle: its normal, then its three corners.
    for (int i = 0; i + 3 < room.vertexCount; i += 4) {
        Vec3 corners[3];
        for (int c = 0; c < 3; ++c)
            corners[c] = room.vertices[static_cast<std::size_t>(i + 1 + c)] + room.position;
        addFace(corners, 3);
    }
}

void WallSet::removeDuplicates()
{
    // The same segment may come either way round; compare them with their ends in one order.
    for (WallSegment& s : segments)
        if (std::tie(s.bx, s.bz) < std::tie(s.ax, s.az)) {
            std::swap(s.ax, s.bx);
            std::swap(s.az, s.bz);
        }
    auto key = [](const WallSegment& s) { return std::tie(s.ax, s.az, s.bx, s.bz); };
    std::sort(segments.begin(), segments.end(), [&](const WallSegment& a, const WallSegment& b) { return key(a) < key(b); });
    segments.erase(std::unique(segments.begin(), segments.end(),
                               [&](const WallSegment& a, const WallSegment& b) { return key(a) == key(b); }),
                   segments.end());
}
