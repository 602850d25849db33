// Sweeps a part's ring profile into mesh geometry and evaluates its surface for painting.
#include "lathe.h"

#include <algorithm>

namespace {

Vec3 ringPoint(const LatheSpec& spec, const Ring& ring, float angle)
{
    return ring.centre + spec.u * (ring.ru * std::cos(angle)) + spec.v * (ring.rv * std::sin(angle));
}

bool isPole(const LatheSpec& spec, int k)
{
    const Ring& r = spec.rings[k];
    bool end = k == 0 || k + 1 == int(spec.rings.size());
    return !spec.closedProfile && end && r.ru == 0 && r.rv == 0;
}

int profileSteps(const LatheSpec& spec)
{
    int n = int(spec.rings.size());
    return spec.closedProfile ? n : n - 1;
}

const Ring& ringAt(const LatheSpec& spec, int k)
{
    return spec.rings[k % int(spec.rings.size())];
}

// Columns start at the back (angle pi), so every island's seam runs down the back of its part.
float angleOf(const LatheSpec& spec, float column)
{
    return kPi + 2 * kPi * column / float(spec.segments);
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

Grid addGridPoints(Mesh& mesh, const LatheSpec& spec)
{
    Grid g;
    std::vector<float> len = profileLengths(spec);
    const Island& is = spec.island;
    for (int k = 0; k <= profileSteps(spec); ++k) {
        bool pole = k < int(spec.rings.size()) && isPole(spec, k);
        g.vertexBase.push_back(int(mesh.vertices.size()));
        if (k < int(spec.rings.size())) {
            int count = pole ? 1 : spec.segments;
            for (int j = 0; j < count; ++j) {
                Vec3 p = ringPoint(spec, spec.rings[k], angleOf(spec, float(j)));
                mesh.vertices.push_back({p, spec.bind(p)});
            }
        } else {
            g.vertexBase.back() = g.vertexBase[0];  // the closing ring is the first one
        }
        g.stBase.push_back(int(mesh.skinCoords.size()));
        int t = is.y + int(std::lround(len[k] / len.back() * float(is.h - 1)));
        for (int j = 0; j <= spec.segments; ++j) {
            float col = float(j) + (pole ? 0.5f : 0.0f);
            int s = is.x + int(std::lround(std::min(col, float(spec.segments)) / float(spec.segments) * float(is.w - 1)));
            mesh.skinCoords.push_back({s, t});
        }
    }
    return g;
}

void addQuad(Mesh& mesh, const LatheSpec& spec, const Grid& g, int k, int j)
{
    int n = spec.segments;
    auto vert = [&](int kk, int jj) {
        bool pole = kk < int(spec.rings.size()) && isPole(spec, kk);
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
float profileArea(const LatheSpec& spec, Vec3 axis)
{
    float area = 0;
    int n = int(spec.rings.size());
    for (int k = 0; k < n; ++k) {
        const Ring& a = spec.rings[k];
        const Ring& b = spec.rings[(k + 1) % n];
        float ra = 0.5f * (a.ru + a.rv), rb = 0.5f * (b.ru + b.rv);
        area += ra * dot(b.centre, axis) - rb * dot(a.centre, axis);
    }
    return area;
}

}  // namespace

std::vector<float> profileLengths(const LatheSpec& spec)
{
    std::vector<float> len{0};
    for (int k = 0; k < profileSteps(spec); ++k) {
        const Ring& r0 = ringAt(spec, k);
        const Ring& r1 = ringAt(spec, k + 1);
        float d0 = length(ringPoint(spec, r1, 0) - ringPoint(spec, r0, 0));
        float d1 = length(ringPoint(spec, r1, kPi / 2) - ringPoint(spec, r0, kPi / 2));
        len.push_back(len.back() + std::max(0.5f * (d0 + d1), 1e-3f));
    }
    return len;
}

SurfacePoint latheSurface(const LatheSpec& spec, const std::vector<float>& len, float fs, float ft)
{
    SurfacePoint sp;
    sp.total = len.back();
    sp.along = std::clamp(ft, 0.0f, 1.0f) * sp.total;
    sp.angle = std::fmod(angleOf(spec, std::clamp(fs, 0.0f, 1.0f) * float(spec.segments)), 2 * kPi);
    int k = 0;
    while (k + 2 < int(len.size()) && len[k + 1] < sp.along)
        ++k;
    const Ring& r0 = ringAt(spec, k);
    const Ring& r1 = ringAt(spec, k + 1);
    float f = std::clamp((sp.along - len[k]) / (len[k + 1] - len[k]), 0.0f, 1.0f);
    Ring r{lerp(r0.centre, r1.centre, f), r0.ru + (r1.ru - r0.ru) * f, r0.rv + (r1.rv - r0.rv) * f};
    sp.pos = ringPoint(spec, r, sp.angle);
    // The profile runs in the (radius, height) plane; its turning sense says which side is out.
    Vec3 axis = normalize(cross(spec.u, spec.v));
    Vec3 radial = normalize(spec.u * (std::cos(sp.angle) / std::max(r.ru, 1e-3f)) +
                            spec.v * (std::sin(sp.angle) / std::max(r.rv, 1e-3f)));
    float dr = 0.5f * ((r1.ru - r0.ru) + (r1.rv - r0.rv));
    float dh = dot(r1.centre - r0.centre, axis);
    float sense = profileArea(spec, axis) >= 0 ? 1.0f : -1.0f;
    sp.normal = normalize((radial * dh - axis * dr) * sense);
    return sp;
}

void addLathe(Mesh& mesh, const LatheSpec& spec)
{
    MeshPart part{spec.name, int(mesh.vertices.size()), 0, int(mesh.triangles.size()), 0};
    Grid g = addGridPoints(mesh, spec);
    for (int k = 0; k < profileSteps(spec); ++k)
        for (int j = 0; j < spec.segments; ++j)
            addQuad(mesh, spec, g, k, j);
    if (signedVolume(mesh, part.firstTriangle) > 0)
        for (std::size_t i = part.firstTriangle; i < mesh.triangles.size(); ++i) {
            std::swap(mesh.triangles[i].vertex[1], mesh.triangles[i].vertex[2]);
            std::swap(mesh.triangles[i].st[1], mesh.triangles[i].st[2]);
        }
    part.vertexCount = int(mesh.vertices.size()) - part.firstVertex;
    part.triangleCount = int(mesh.triangles.size()) - part.firstTriangle;
    mesh.parts.push_back(part);
}
