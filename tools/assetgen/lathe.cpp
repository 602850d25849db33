// Sweeps a part's ring profile into mesh geometry and evaluates its surface for painting.
#include "lathe.h"

#include <algorithm>

namespace {

Vec3 ringPoint(const PartShape& shape, const Ring& ring, float angle)
{
    return ring.centre + shape.u * (ring.ru * std::cos(angle)) + shape.v * (ring.rv * std::sin(angle));
}

bool isPole(const PartShape& shape, int k)
{
    const Ring& r = shape.rings[k];
    bool end = k == 0 || k + 1 == int(shape.rings.size());
    return !shape.closedProfile && end && r.ru == 0 && r.rv == 0;
}

int profileSteps(const PartShape& shape)
{
    int n = int(shape.rings.size());
    return shape.closedProfile ? n : n - 1;
}

const Ring& ringAt(const PartShape& shape, int k)
{
    return shape.rings[k % int(shape.rings.size())];
}

// Columns start at the back (angle pi), so every island's seam runs down the back of its part.
float angleOf(const PartShape& shape, float column)
{
    return kPi + 2 * kPi * column / float(shape.segments);
}

// Signed volume of a part's triangles: negative when the corners run clockwise from outside.
float signedVolume(const Mesh& mesh, int firstTriangle)
{
    double sum = 0;
    for (std::size_t i = firstTriangle; i < mesh.triangles.size(); ++i) {
        const MeshTriangle& t = mesh.triangles[i];
        Vec3 a = mesh.vertices[t.vertex[0]].pos, b = mesh.vertices[t.vertex[1]].pos;
        Vec3 c = mesh.vertices[t.vertex[2]].pos;
        sum += dot(a, cross(b, c));
    }
    return float(sum / 6);
}

struct Grid {
    std::vector<int> vertexBase, stBase;
};

Grid addGridPoints(Mesh& mesh, const PartShape& shape)
{
    Grid g;
    std::vector<float> len = profileLengths(shape);
    const Island& is = shape.island;
    for (int k = 0; k <= profileSteps(shape); ++k) {
        bool pole = k < int(shape.rings.size()) && isPole(shape, k);
        g.vertexBase.push_back(int(mesh.vertices.size()));
        if (k < int(shape.rings.size())) {
            int count = pole ? 1 : shape.segments;
            for (int j = 0; j < count; ++j) {
                Vec3 p = ringPoint(shape, shape.rings[k], angleOf(shape, float(j)));
                mesh.vertices.push_back({p, shape.bind(p)});
            }
        } else {
            g.vertexBase.back() = g.vertexBase[0];  // the closing ring is the first one
        }
        g.stBase.push_back(int(mesh.skinCoords.size()));
        int t = is.y + int(std::lround(len[k] / len.back() * float(is.h - 1)));
        for (int j = 0; j <= shape.segments; ++j) {
            float col = float(j) + (pole ? 0.5f : 0.0f);
            int s = is.x + int(std::lround(std::min(col, float(shape.segments)) / float(shape.segments) * float(is.w - 1)));
            mesh.skinCoords.push_back({s, t});
        }
    }
    return g;
}

void addQuad(Mesh& mesh, const PartShape& shape, const Grid& g, int k, int j)
{
    int n = shape.segments;
    auto vert = [&](int kk, int jj) {
        bool pole = kk < int(shape.rings.size()) && isPole(shape, kk);
        return g.vertexBase[kk] + (pole ? 0 : jj % n);
    };
    int a = vert(k, j), b = vert(k + 1, j), c = vert(k + 1, j + 1), d = vert(k, j + 1);
    int sa = g.stBase[k] + j, sb = g.stBase[k + 1] + j, sc = g.stBase[k + 1] + j + 1, sd = g.stBase[k] + j + 1;
    if (a != d)
        mesh.triangles.push_back({{a, b, d}, {sa, sb, sd}});
    if (b != c)
        mesh.triangles.push_back({{b, c, d}, {sb, sc, sd}});
}

// Twice the signed area of the profile in the (radius, height) plane, closed along the axis.
float profileArea(const PartShape& shape, Vec3 axis)
{
    float area = 0;
    int n = int(shape.rings.size());
    for (int k = 0; k < n; ++k) {
        const Ring& a = shape.rings[k];
        const Ring& b = shape.rings[(k + 1) % n];
        float ra = 0.5f * (a.ru + a.rv), rb = 0.5f * (b.ru + b.rv);
        area += ra * dot(b.centre, axis) - rb * dot(a.centre, axis);
    }
    return area;
}

}  // namespace

std::vector<float> profileLengths(const PartShape& shape)
{
    std::vector<float> len{0};
    for (int k = 0; k < profileSteps(shape); ++k) {
        const Ring& r0 = ringAt(shape, k);
        const Ring& r1 = ringAt(shape, k + 1);
        float d0 = length(ringPoint(shape, r1, 0) - ringPoint(shape, r0, 0));
        float d1 = length(ringPoint(shape, r1, kPi / 2) - ringPoint(shape, r0, kPi / 2));
        len.push_back(len.back() + std::max(0.5f * (d0 + d1), 1e-3f));
    }
    return len;
}

SurfacePoint latheSurface(const PartShape& shape, const std::vector<float>& len, float fs, float ft)
{
    SurfacePoint sp;
    sp.total = len.back();
    sp.along = std::clamp(ft, 0.0f, 1.0f) * sp.total;
    sp.angle = std::fmod(angleOf(shape, std::clamp(fs, 0.0f, 1.0f) * float(shape.segments)), 2 * kPi);
    int k = 0;
    while (k + 2 < int(len.size()) && len[k + 1] < sp.along)
        ++k;
    const Ring& r0 = ringAt(shape, k);
    const Ring& r1 = ringAt(shape, k + 1);
    float f = std::clamp((sp.along - len[k]) / (len[k + 1] - len[k]), 0.0f, 1.0f);
    Ring r{lerp(r0.centre, r1.centre, f), r0.ru + (r1.ru - r0.ru) * f, r0.rv + (r1.rv - r0.rv) * f};
    sp.pos = ringPoint(shape, r, sp.angle);
    // The profile runs in the (radius, height) plane; its turning sense says which side is out.
    Vec3 axis = normalize(cross(shape.u, shape.v));
    Vec3 radial = normalize(shape.u * (std::cos(sp.angle) / std::max(r.ru, 1e-3f)) +
                            shape.v * (std::sin(sp.angle) / std::max(r.rv, 1e-3f)));
    float dr = 0.5f * ((r1.ru - r0.ru) + (r1.rv - r0.rv));
    float dh = dot(r1.centre - r0.centre, axis);
    float sense = profileArea(shape, axis) >= 0 ? 1.0f : -1.0f;
    sp.normal = normalize((radial * dh - axis * dr) * sense);
    return sp;
}

void addLathe(Mesh& mesh, const PartShape& shape)
{
    MeshPart part{shape.name, int(mesh.vertices.size()), 0, int(mesh.triangles.size()), 0};
    Grid g = addGridPoints(mesh, shape);
    for (int k = 0; k < profileSteps(shape); ++k)
        for (int j = 0; j < shape.segments; ++j)
            addQuad(mesh, shape, g, k, j);
    if (signedVolume(mesh, part.firstTriangle) > 0)
        for (std::size_t i = part.firstTriangle; i < mesh.triangles.size(); ++i) {
            std::swap(mesh.triangles[i].vertex[1], mesh.triangles[i].vertex[2]);
            std::swap(mesh.triangles[i].st[1], mesh.triangles[i].st[2]);
        }
    part.vertexCount = int(mesh.vertices.size()) - part.firstVertex;
    part.triangleCount = int(mesh.triangles.size()) - part.firstTriangle;
    mesh.parts.push_back(part);
}
