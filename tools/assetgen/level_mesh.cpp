// Turns floor cells and pillars into quads wound to face into the open space.
#include "level_mesh.h"

#include <algorithm>
#include <cmath>

namespace {

// Coordinates are kept to the three decimals that the level files store.
double stored(double v) { return std::round(v * 1000.0) / 1000.0 + 0.0; }

Vertex vertex(double x, double y, double z, double s, double t)
{
    return {stored(x), stored(y), stored(z), stored(s), stored(t)};
}

// Tiles continue across corners and collinear walls because s comes from the
// position along the wall's direction, and rows start at the floor.
Quad wallQuad(Point a, Point b, double y0, double y1)
{
    double len = std::hypot(b.x - a.x, b.z - a.z);
    double ex = (b.x - a.x) / len;
    double ez = (b.z - a.z) / len;
    double sa = (a.x * ex + a.z * ez) / kWorldPerTexture;
    double sb = (b.x * ex + b.z * ez) / kWorldPerTexture;
    double t0 = y0 / kWorldPerTexture;
    double t1 = y1 / kWorldPerTexture;
    return {{vertex(a.x, y0, a.z, sa, t0), vertex(b.x, y0, b.z, sb, t0),
             vertex(b.x, y1, b.z, sb, t1), vertex(a.x, y1, a.z, sa, t1)}};
}

Vertex flatVertex(Point p, double y)
{
    return vertex(p.x, y, p.z, p.x / kWorldPerTexture, p.z / kWorldPerTexture);
}

bool collinear(Point a, Point b, Point c)
{
    return std::fabs((b.x - a.x) * (c.z - a.z) - (b.z - a.z) * (c.x - a.x)) < 1e-9;
}

// The cell outline without corners that lie on a straight edge; an odd
// count gets the middle of its longest edge as first corner, so that the
// outline splits into quads without a triangle left over.
std::vector<Point> quadOutline(const std::vector<Point>& corners)
{
    std::vector<Point> out;
    std::size_t n = corners.size();
    for (std::size_t i = 0; i < n; ++i)
        if (!collinear(corners[(i + n - 1) % n], corners[i], corners[(i + 1) % n]))
            out.push_back(corners[i]);
    if (out.size() % 2 == 0)
        return out;
    std::size_t longest = 0;
    double best = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        Point a = out[i], b = out[(i + 1) % out.size()];
        double len = std::hypot(b.x - a.x, b.z - a.z);
        if (len > best) {
            best = len;
            longest = i;
        }
    }
    std::rotate(out.begin(), out.begin() + long(longest) + 1, out.end());
    Point a = out.back(), b = out.front();
    out.insert(out.begin(), Point{(a.x + b.x) / 2.0, (a.z + b.z) / 2.0});
    return out;
}

// Counterclockwise corners seen from above give quads facing down; the floor
// reverses them to face up.
void addFlat(std::vector<Quad>& out, const std::vector<Point>& corners, double y, bool facingUp)
{
    std::vector<Point> outline = quadOutline(corners);
    for (std::size_t i = 1; i + 2 < outline.size(); i += 2) {
        Quad q{{flatVertex(outline[0], y), flatVertex(outline[i], y),
                flatVertex(outline[i + 1], y), flatVertex(outline[i + 2], y)}};
        if (facingUp)
            std::swap(q.p[1], q.p[3]);
        out.push_back(q);
    }
}

// A wall is cut at the heights of the cell's lintels so that lintel corners
// are shared with the wall beside them instead of lying on its edge.
void addWall(std::vector<Quad>& out, Point a, Point b, const std::vector<double>& cuts)
{
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i)
        out.push_back(wallQuad(a, b, cuts[i], cuts[i + 1]));
}

void addCell(LevelMesh& mesh, const Cell& cell)
{
    std::vector<double> cuts{0.0, cell.height};
    for (const Edge& e : cell.edges)
        if (e.open && e.top < cell.height)
            cuts.push_back(e.top);
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());

    std::size_t n = cell.corners.size();
    for (std::size_t i = 0; i < n; ++i) {
        Point a = cell.corners[i], b = cell.corners[(i + 1) % n];
        const Edge& e = cell.edges[i];
        if (!e.open)
            addWall(mesh.walls, a, b, cuts);
        else if (e.top < cell.height)
            mesh.walls.push_back(wallQuad(a, b, e.top, cell.height));
    }
    addFlat(mesh.walls, cell.corners, 0.0, true);
    bool underCeiling = cell.height >= kCeilingHeight;
    addFlat(underCeiling ? mesh.ceiling : mesh.walls, cell.corners, cell.height, false);
}

// Pillar faces look outwards, so their corners run clockwise seen from above.
void addPillar(LevelMesh& mesh, const Pillar& p)
{
    double x0 = p.centre.x - p.half, x1 = p.centre.x + p.half;
    double z0 = p.centre.z - p.half, z1 = p.centre.z + p.half;
    Point c[4] = {{x0, z0}, {x0, z1}, {x1, z1}, {x1, z0}};
    for (int i = 0; i < 4; ++i)
        mesh.walls.push_back(wallQuad(c[i], c[(i + 1) % 4], 0.0, kCeilingHeight));
}

}  // namespace

LevelMesh buildMesh(const Layout& layout)
{
    LevelMesh mesh;
    for (const Cell& cell : layout.cells)
        addCell(mesh, cell);
    for (const Pillar& p : layout.pillars)
        addPillar(mesh, p);
    return mesh;
}
