// Closedness and winding checks of the character mesh, part by part.
#include "mesh_check.h"

#include <cstdio>
#include <map>
#include <utility>

namespace {

bool partClosed(const Mesh& mesh, const MeshPart& part)
{
    std::map<std::pair<int, int>, int> edges;
    for (int i = part.firstTriangle; i < part.firstTriangle + part.triangleCount; ++i)
        for (int c = 0; c < 3; ++c) {
            const MeshTriangle& t = mesh.triangles[i];
            ++edges[{t.vertex[c], t.vertex[(c + 1) % 3]}];
        }
    for (const auto& [edge, count] : edges)
        if (count != 1 || edges.count({edge.second, edge.first}) == 0 || edges.at({edge.second, edge.first}) != 1)
            return false;
    return true;
}

float partVolume(const Mesh& mesh, const MeshPart& part)
{
    double sum = 0;
    for (int i = part.firstTriangle; i < part.firstTriangle + part.triangleCount; ++i) {
        const MeshTriangle& t = mesh.triangles[i];
        Vec3 a = mesh.vertices[t.vertex[0]].pos, b = mesh.vertices[t.vertex[1]].pos;
        sum += dot(a, cross(b, mesh.vertices[t.vertex[2]].pos));
    }
    return float(sum / 6);
}

}  // namespace

bool checkMesh(const Mesh& mesh)
{
    bool ok = true;
    for (const MeshPart& part : mesh.parts) {
        if (!partClosed(mesh, part)) {
            std::fprintf(stderr, "assetgen: character part %s is not closed\n", part.name.c_str());
            ok = false;
        }
        if (partVolume(mesh, part) >= 0) {
            std::fprintf(stderr, "assetgen: character part %s is wound outward\n", part.name.c_str());
            ok = false;
        }
    }
    return ok;
}
