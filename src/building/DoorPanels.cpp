#include "building/DoorPanels.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>

namespace {

constexpr float METRE = 2.5f;
constexpr float LEAST_FACE_AREA = 0.2f * METRE * METRE;  // of a triangle of a panel's large face
constexpr float THICKEST = 0.12f * METRE;
constexpr float SLACK = 0.01f * METRE;
constexpr float FILLED = 0.9f;  // of the face's outline its triangles cover

float dot(Vec3 a, Vec3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// The building's triangles as the index of faces numbers them: where each surface starts.
struct Numbering {
    std::vector<std::size_t> starts;
    explicit Numbering(const Building& building)
    {
        std::size_t next = 0;
        for (const BuildingSurface& surface : building.surfaces) {
            starts.push_back(next);
            next += surface.positions.size() / 9;
        }
    }
    void find(std::size_t face, std::uint32_t& surface, std::uint32_t& index) const
    {
        const auto at = std::upper_bound(starts.begin(), starts.end(), face) - 1;
        surface = std::uint32_t(at - starts.begin());
        index = std::uint32_t(face - *at);
    }
};

// A box standing on the plane of a panel's face: along it (u), up (y) and through it (n).
struct PanelBox {
    Vec3 normal, across;
    float u0, u1, y0, y1, n0, n1;

    bool holds(const Vec3& p, float slack) const
    {
        const float u = dot(p, across), n = dot(p, normal);
        return u >= u0 - slack && u <= u1 + slack && p.y >= y0 - slack && p.y <= y1 + slack && n >= n0 - slack && n <= n1 + slack;
    }
    Vec3 low() const { return corner(true); }
    Vec3 high() const { return corner(false); }

private:
    Vec3 corner(bool least) const
    {
        Vec3 out;
        for (int k = 0; k < 8; ++k) {
            const Vec3 p = across * (k & 1 ? u1 : u0) + normal * (k & 2 ? n1 : n0) + Vec3(0.0f, k & 4 ? y1 : y0, 0.0f);
            out = k == 0 ? p : least ? Vec3(std::min(out.x, p.x), std::min(out.y, p.y), std::min(out.z, p.z))
                                      : Vec3(std::max(out.x, p.x), std::max(out.y, p.y), std::max(out.z, p.z));
        }
        return out;
    }
};

const Vec3* cornersOf(const TriangleGrid& faces, std::uint32_t t)
{
    return &faces.corners[std::size_t(t) * 3];
}

// The face in the plane of triangle `seed` that the seed is part of: the triangles in that
// plane with a corner on its outline so far, grown until nothing more joins (a large face of a
// panel is a few triangles). Its outline as a box of no thickness, and the area its triangles cover.
constexpr std::size_t MOST_FACE_TRIANGLES = 64;

PanelBox faceAround(const TriangleGrid& faces, std::uint32_t seed, float& area)
{
    const Vec3* s = cornersOf(faces, seed);
    const Vec3 n = (s[1] - s[0]).cross(s[2] - s[0]);
    PanelBox box;
    box.normal = Vec3(n.x, 0.0f, n.z).normalized();
    box.across = Vec3(-box.normal.z, 0.0f, box.normal.x);
    const float plane = dot(s[0], box.normal);
    box.n0 = box.n1 = plane;
    std::set<std::uint32_t> in = {seed};
    for (std::size_t before = 0; in.size() != before && in.size() < MOST_FACE_TRIANGLES;) {
        before = in.size();
        box.u0 = box.y0 = 1e30f;
        box.u1 = box.y1 = -1e30f;
        for (const std::uint32_t t : in)
            for (int c = 0; c < 3; ++c) {
                const Vec3& p = cornersOf(faces, t)[c];
                box.u0 = std::min(box.u0, dot(p, box.across)), box.u1 = std::max(box.u1, dot(p, box.across));
                box.y0 = std::min(box.y0, p.y), box.y1 = std::max(box.y1, p.y);
            }
        faces.forEachNear(box.low() - Vec3(SLACK, SLACK, SLACK), box.high() + Vec3(SLACK, SLACK, SLACK), [&](std::uint32_t t) {
            const Vec3* c = cornersOf(faces, t);
            bool coplanar = true;
            for (int k = 0; k < 3; ++k)
                coplanar = coplanar && std::fabs(dot(c[k], box.normal) - plane) < 0.001f * METRE;
            if (coplanar && (box.holds(c[0], SLACK) || box.holds(c[1], SLACK) || box.holds(c[2], SLACK)))
                in.insert(t);
        });
    }
    area = 0.0f;
    if (in.size() >= MOST_FACE_TRIANGLES)
        return box;
    for (const std::uint32_t t : in) {
        const Vec3* c = cornersOf(faces, t);
        area += 0.5f * (c[1] - c[0]).cross(c[2] - c[0]).length();
    }
    return box;
}

bool panelSized(const PanelBox& face, float area)
{
    const float width = face.u1 - face.u0, height = face.y1 - face.y0;
    return width >= 0.6f * METRE - SLACK && width <= 1.4f * METRE + SLACK && height >= 1.8f * METRE - SLACK &&
           height <= 2.7f * METRE + SLACK && area >= FILLED * width * height;
}

using Corner = std::tuple<long, long, long>;

Corner keyOf(const Vec3& p)
{
    return std::make_tuple(std::lround(p.x * 4000.0f), std::lround(p.y * 4000.0f), std::lround(p.z * 4000.0f));
}

// What lies within the box round the face, a panel's thickness through it either way; empty
// when what lies within shares a corner with something outside it (a wall the face belongs to).
std::vector<std::uint32_t> panelWithin(const TriangleGrid& faces, PanelBox box)
{
    box.n0 -= THICKEST;
    box.n1 += THICKEST;
    std::vector<std::uint32_t> within, near;
    faces.forEachNear(box.low() - Vec3(SLACK, SLACK, SLACK), box.high() + Vec3(SLACK, SLACK, SLACK), [&](std::uint32_t t) {
        const Vec3* c = cornersOf(faces, t);
        (box.holds(c[0], SLACK) && box.holds(c[1], SLACK) && box.holds(c[2], SLACK) ? within : near).push_back(t);
    });
    std::set<Corner> corners;
    for (const std::uint32_t t : within)
        for (int k = 0; k < 3; ++k)
            corners.insert(keyOf(cornersOf(faces, t)[k]));
    for (const std::uint32_t t : near)
        for (int k = 0; k < 3; ++k)
            if (corners.count(keyOf(cornersOf(faces, t)[k])))
                return {};
    return within;
}

bool largeUprightFace(const Vec3* c)
{
    const Vec3 n = (c[1] - c[0]).cross(c[2] - c[0]);
    return std::fabs(n.y) <= 0.1f * n.length() && 0.5f * n.length() >= LEAST_FACE_AREA;
}

}  // namespace

std::vector<std::vector<DoorTriangle>> doorPanels(const Building& building, std::vector<std::vector<bool>>& taken)
{
    const TriangleGrid& faces = building.faces;
    const Numbering numbering(building);
    std::vector<std::vector<DoorTriangle>> panels;
    for (std::uint32_t t = 0; t < faces.triangleCount(); ++t) {
        std::uint32_t surface, index;
        numbering.find(t, surface, index);
        if (taken[surface][index] || !largeUprightFace(cornersOf(faces, t)))
            continue;
        float area = 0.0f;
        const PanelBox face = faceAround(faces, t, area);
        if (!panelSized(face, area))
            continue;
        std::vector<DoorTriangle> panel;
        for (const std::uint32_t within : panelWithin(faces, face)) {
            DoorTriangle triangle;
            std::copy(cornersOf(faces, within), cornersOf(faces, within) + 3, triangle.corners);
            numbering.find(within, triangle.surface, triangle.index);
            if (taken[triangle.surface][triangle.index])
                continue;
            taken[triangle.surface][triangle.index] = true;
            panel.push_back(triangle);
        }
        if (!panel.empty())
            panels.push_back(std::move(panel));
    }
    return panels;
}
