#include "building/DoorShape.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <tuple>

namespace {

constexpr float METRE = 2.5f;
constexpr float LEAST_LEAF_WIDTH = 0.3f * METRE;
constexpr float LEAF_SHARE_OF_HEIGHT = 0.6f;
constexpr float THRESHOLD_HEIGHT = 0.1f * METRE;  // what stays under a leaf's foot
constexpr float FILLED = 0.5f;                    // of a panel's outline its faces cover: more is a leaf
constexpr float SPANS = 0.97f;                    // of the door's width and height: a frame's reach
constexpr float SLACK = 0.02f * METRE;            // what holds another still holds it this far out
constexpr float HANDLE_OUT = 0.01f * METRE;       // a handle stands out of its leaf's faces by more

float dot(Vec3 a, Vec3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// Triangles of one material that share an edge, gathered: the faces of one closed panel share
// their edges. A leaf flush with its frame may share an edge with it too, but modellers give
// leaf and frame materials of their own.
std::vector<std::size_t> componentsOf(const std::vector<DoorTriangle>& triangles)
{
    std::vector<std::size_t> parent(triangles.size());
    std::iota(parent.begin(), parent.end(), std::size_t(0));
    const auto root = [&](std::size_t i) {
        while (parent[i] != i)
            i = parent[i] = parent[parent[i]];
        return i;
    };
    using Corner = std::tuple<long, long, long>;  // to the tenth of a millimetre
    const auto corner = [](const Vec3& c) {
        return std::make_tuple(std::lround(c.x * 4000.0f), std::lround(c.y * 4000.0f), std::lround(c.z * 4000.0f));
    };
    std::map<std::tuple<std::uint32_t, Corner, Corner>, std::size_t> seen;
    for (std::size_t t = 0; t < triangles.size(); ++t)
        for (int k = 0; k < 3; ++k) {
            const Corner a = corner(triangles[t].corners[k]), b = corner(triangles[t].corners[(k + 1) % 3]);
            const auto found = seen.emplace(std::make_tuple(triangles[t].surface, std::min(a, b), std::max(a, b)), t);
            parent[root(t)] = root(found.first->second);
        }
    for (std::size_t t = 0; t < triangles.size(); ++t)
        parent[t] = root(t);
    return parent;
}

// The level direction most of the upright faces look along: through the door.
Vec3 throughDirection(const std::vector<DoorTriangle>& triangles)
{
    double c = 0.0, s = 0.0;
    for (const DoorTriangle& t : triangles) {
        const Vec3 n = (t.corners[1] - t.corners[0]).cross(t.corners[2] - t.corners[0]);
        const double level = std::hypot(double(n.x), double(n.z));
        if (level <= 2.0 * std::fabs(double(n.y)) || level == 0.0)
            continue;
        // Twice the angle, so that faces looking either way through agree; weighted by area.
        const double angle = 2.0 * std::atan2(double(n.z), double(n.x));
        c += level * std::cos(angle);
        s += level * std::sin(angle);
    }
    const double angle = c == 0.0 && s == 0.0 ? 0.0 : 0.5 * std::atan2(s, c);
    return Vec3(float(std::cos(angle)), 0.0f, float(std::sin(angle)));
}

struct Range {
    float low = 1e30f, high = -1e30f;
    void add(float v) { low = std::min(low, v), high = std::max(high, v); }
    float size() const { return high - low; }
    float middle() const { return 0.5f * (low + high); }
    bool holds(float v, float slack) const { return v >= low - slack && v <= high + slack; }
    bool holds(const Range& r, float slack) const { return holds(r.low, slack) && holds(r.high, slack); }
};

// One group of triangles sharing corners, measured along the door (u), up (y) and through (n).
struct Component {
    std::vector<std::size_t> triangles;
    Range u, y, n;
    float facing[2] = {0.0f, 0.0f};  // area of its faces looking each way through the door
    float filled() const { return std::max(facing[0], facing[1]) / std::max(1e-6f, u.size() * y.size()); }
};

struct Frame {
    Vec3 across, normal;
    Range u, y, n;
};

std::vector<Component> measure(const std::vector<DoorTriangle>& triangles, Frame& door)
{
    const std::vector<std::size_t> roots = componentsOf(triangles);
    std::map<std::size_t, Component> byRoot;
    for (std::size_t t = 0; t < triangles.size(); ++t) {
        Component& c = byRoot[roots[t]];
        c.triangles.push_back(t);
        const Vec3* p = triangles[t].corners;
        for (int k = 0; k < 3; ++k) {
            c.u.add(dot(p[k], door.across)), c.y.add(p[k].y), c.n.add(dot(p[k], door.normal));
            door.u.add(dot(p[k], door.across)), door.y.add(p[k].y), door.n.add(dot(p[k], door.normal));
        }
        const float through = 0.5f * dot((p[1] - p[0]).cross(p[2] - p[0]), door.normal);
        c.facing[through > 0.0f ? 0 : 1] += std::fabs(through);
    }
    std::vector<Component> components;
    for (auto& entry : byRoot)
        components.push_back(std::move(entry.second));
    return components;
}

enum class Role { Stays, Leaf, InLeaf };

bool isFrame(const Component& c, const Frame& door)
{
    return c.u.size() >= SPANS * door.u.size() && c.y.size() >= SPANS * door.y.size() && c.filled() < FILLED;
}

bool mayBeLeaf(const Component& c, const Frame& door)
{
    return c.u.size() >= LEAST_LEAF_WIDTH && c.y.size() >= LEAF_SHARE_OF_HEIGHT * door.y.size() && !isFrame(c, door);
}

// Each component's role, and for those in a leaf, the leaf's component.
std::vector<Role> roles(const std::vector<Component>& cs, const Frame& door, std::vector<std::size_t>& leafOf)
{
    std::vector<Role> role(cs.size(), Role::Stays);
    leafOf.assign(cs.size(), 0);
    for (std::size_t i = 0; i < cs.size(); ++i) {
        bool held = false;
        for (std::size_t k = 0; k < cs.size() && !held; ++k)
            held = k != i && mayBeLeaf(cs[k], door) && cs[k].u.holds(cs[i].u, SLACK) && cs[k].y.holds(cs[i].y, SLACK) &&
                   (cs[k].u.size() * cs[k].y.size() > cs[i].u.size() * cs[i].y.size() || k < i);
        if (mayBeLeaf(cs[i], door) && !held) {
            role[i] = Role::Leaf;
            leafOf[i] = i;
        }
    }
    for (std::size_t i = 0; i < cs.size(); ++i) {
        if (role[i] == Role::Leaf || isFrame(cs[i], door) || cs[i].y.high < door.y.low + THRESHOLD_HEIGHT)
            continue;
        float smallest = 1e30f;
        for (std::size_t k = 0; k < cs.size(); ++k) {
            const float area = cs[k].u.size() * cs[k].y.size();
            if (role[k] == Role::Leaf && cs[k].u.holds(cs[i].u.middle(), SLACK) && cs[k].y.holds(cs[i].y.middle(), SLACK) &&
                area < smallest) {
                smallest = area;
                role[i] = Role::InLeaf;
                leafOf[i] = k;
            }
        }
    }
    return role;
}

Vec3 place(const Frame& door, float u, float y, float n)
{
    return door.across * u + door.normal * n + Vec3(0.0f, y, 0.0f);
}

// A leaf's edges, its hinges by its handle (a part standing out of its faces near one edge),
// or sliding to the nearer side of the door.
LeafFound leafFrom(const std::vector<Component>& cs, const std::vector<Role>& role, const std::vector<std::size_t>& leafOf,
                   std::size_t leaf, const Frame& door)
{
    const Component& panel = cs[leaf];
    LeafFound found;
    found.width = panel.u.size();
    found.height = panel.y.size();
    found.thickness = panel.n.size();
    int handleSide = 0;  // -1: near the low edge along the door, +1: the high one
    for (std::size_t i = 0; i < cs.size(); ++i) {
        if (leafOf[i] != leaf || role[i] == Role::Stays)
            continue;
        found.triangles.insert(found.triangles.end(), cs[i].triangles.begin(), cs[i].triangles.end());
        const bool standsOut = cs[i].n.low < panel.n.low - HANDLE_OUT || cs[i].n.high > panel.n.high + HANDLE_OUT;
        const float off = cs[i].u.middle() - panel.u.middle();
        if (i != leaf && standsOut && std::fabs(off) > 0.2f * found.width)
            handleSide = off > 0.0f ? 1 : -1;
    }
    found.slides = handleSide == 0;
    // Hinges opposite the handle; a sliding leaf goes towards the nearer side of the door.
    const bool atLow = found.slides ? panel.u.middle() <= door.u.middle() : handleSide > 0;
    found.hinge = place(door, atLow ? panel.u.low : panel.u.high, panel.y.low, panel.n.middle());
    found.across = atLow ? door.across : door.across * -1.0f;
    return found;
}

}  // namespace

DoorFound findLeaves(const std::vector<DoorTriangle>& triangles)
{
    DoorFound found;
    if (triangles.empty())
        return found;
    Frame door;
    door.normal = throughDirection(triangles);
    door.across = Vec3(-door.normal.z, 0.0f, door.normal.x);
    const std::vector<Component> cs = measure(triangles, door);
    std::vector<std::size_t> leafOf;
    const std::vector<Role> role = roles(cs, door, leafOf);
    for (std::size_t i = 0; i < cs.size(); ++i) {
        if (role[i] == Role::Leaf)
            found.leaves.push_back(leafFrom(cs, role, leafOf, i, door));
        found.framed = found.framed || isFrame(cs[i], door);
    }
    found.across = door.across;
    found.normal = door.normal;
    found.middle = place(door, door.u.middle(), door.y.low, door.n.middle());
    found.width = door.u.size();
    found.height = door.y.size();
    return found;
}
