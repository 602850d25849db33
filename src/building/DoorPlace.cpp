#include "building/DoorPlace.h"

#include "collision/RayCast.h"
#include "collision/Walker.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace {

constexpr float METRE = 2.5f;
constexpr float APART = 0.05f * METRE;       // triangles further apart than this are two doors
constexpr float BESIDE = 0.5f * METRE;       // where the person stands on either side of a door
constexpr float ABOVE_FOOT = 0.05f * METRE;  // a floor this far over a leaf's foot (a threshold)
constexpr float PROBE_OUT = 0.03f * METRE;   // where the wall beside and above a panel is looked for
constexpr float PROBE_THROUGH = 0.25f * METRE;

struct Box {
    Vec3 low, high;
};

Box boxOf(const DoorTriangle& t)
{
    Box b = {t.corners[0], t.corners[0]};
    for (const Vec3& c : t.corners) {
        b.low = Vec3(std::min(b.low.x, c.x), std::min(b.low.y, c.y), std::min(b.low.z, c.z));
        b.high = Vec3(std::max(b.high.x, c.x), std::max(b.high.y, c.y), std::max(b.high.z, c.z));
    }
    return b;
}

bool near(const Box& a, const Box& b)
{
    return a.low.x <= b.high.x + APART && b.low.x <= a.high.x + APART && a.low.y <= b.high.y + APART &&
           b.low.y <= a.high.y + APART && a.low.z <= b.high.z + APART && b.low.z <= a.high.z + APART;
}

std::string metres(float units)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f m", double(units / METRE));
    return text;
}

// Where the door's foot meets a floor within a step on the given side, with room for a person.
bool roomOnSide(const Building& building, const DoorFound& found, float side)
{
    const Vec3 at = found.middle + found.normal * (side * BESIDE);
    float floor;
    return standingFloor(building.faces, at.x, at.z, found.middle.y + ABOVE_FOOT, found.middle.y - STEP_HEIGHT, floor) &&
           bodyFits(building.faces, Vec3(at.x, floor, at.z));
}

std::string placeFault(const Building& building, const DoorFound& found)
{
    if (!roomOnSide(building, found, 1.0f) || !roomOnSide(building, found, -1.0f))
        return "no floor within a step of its foot with room for a person on both sides of it";
    return "";
}

// Something crosses the door's plane at the point.
bool wallAt(const Building& building, const DoorFound& found, Vec3 at)
{
    return firstHit(building.faces, at - found.normal * PROBE_THROUGH, at + found.normal * PROBE_THROUGH) <= 1.0f;
}

bool inOpening(const Building& building, const DoorFound& found, const LeafFound& leaf)
{
    const Vec3 up(0.0f, 1.0f, 0.0f);
    const Vec3 foot = leaf.hinge;
    const Vec3 middle = foot + leaf.across * (0.5f * leaf.width) + up * (0.5f * leaf.height);
    return wallAt(building, found, foot - leaf.across * PROBE_OUT + up * (0.5f * leaf.height)) &&
           wallAt(building, found, foot + leaf.across * (leaf.width + PROBE_OUT) + up * (0.5f * leaf.height)) &&
           wallAt(building, found, middle + up * (0.5f * leaf.height + PROBE_OUT));
}

}  // namespace

std::vector<std::vector<DoorTriangle>> apart(const std::vector<DoorTriangle>& triangles)
{
    std::vector<Box> boxes;
    for (const DoorTriangle& t : triangles)
        boxes.push_back(boxOf(t));
    std::vector<std::size_t> order(triangles.size()), parent(triangles.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::iota(parent.begin(), parent.end(), std::size_t(0));
    const auto root = [&](std::size_t i) {
        while (parent[i] != i)
            i = parent[i] = parent[parent[i]];
        return i;
    };
    // Swept along x: each box meets only those that begin before it ends.
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return boxes[a].low.x < boxes[b].low.x; });
    for (std::size_t i = 0; i < order.size(); ++i)
        for (std::size_t k = i + 1; k < order.size() && boxes[order[k]].low.x <= boxes[order[i]].high.x + APART; ++k)
            if (near(boxes[order[i]], boxes[order[k]]))
                parent[root(order[i])] = root(order[k]);
    std::vector<std::vector<DoorTriangle>> groups;
    std::vector<long> groupOf(triangles.size(), -1);
    for (std::size_t t = 0; t < triangles.size(); ++t) {
        long& group = groupOf[root(t)];
        if (group < 0) {
            group = long(groups.size());
            groups.emplace_back();
        }
        groups[std::size_t(group)].push_back(triangles[t]);
    }
    return groups;
}

std::string namedDoorFault(const Building& building, const DoorFound& found)
{
    if (found.leaves.empty())
        return "no panel like a door's leaf among its parts";
    float together = 0.0f;
    for (const LeafFound& leaf : found.leaves) {
        together += leaf.width;
        if (leaf.width > 1.4f * METRE)
            return "its leaf is " + metres(leaf.width) + " wide, wider than a door's (1.4 m): a garage's or a gate's";
        if (leaf.height < 1.5f * METRE || leaf.height > 3.0f * METRE)
            return "its leaf is " + metres(leaf.height) + " high, where a room's door is 1.5 to 3 m";
        if (leaf.thickness > 0.2f * METRE)
            return "its leaf is " + metres(leaf.thickness) + " thick, more than a door's 0.2 m";
    }
    if (together < 0.6f * METRE)
        return "its leaves are " + metres(together) + " wide, narrower than a doorway a person passes (0.6 m)";
    return placeFault(building, found);
}

bool panelDoorFits(const Building& building, const DoorFound& found)
{
    if (found.leaves.size() != 1 || found.framed)
        return false;
    const LeafFound& leaf = found.leaves.front();
    return leaf.width >= 0.6f * METRE - 0.01f && leaf.width <= 1.4f * METRE + 0.01f && leaf.height >= 1.8f * METRE - 0.01f &&
           leaf.height <= 2.7f * METRE + 0.01f && leaf.thickness <= 0.12f * METRE + 0.01f && inOpening(building, found, leaf) &&
           placeFault(building, found).empty();
}
