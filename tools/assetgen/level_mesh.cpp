// Turns floor cells and pillars into quads wound to face into the open space.
// Surfaces that meet share their vertices: walls are all cut at the same
// heights and floors keep every corner of their cell, so seams stay closed.
#include "level_mesh.h"

#include "outline_split.h"

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

// A wall from y0 to y1, cut at every height where some other wall or lintel
// ends, so that wall corners beside a doorway or niche line up.
void addWall(std::vector<Quad>& out, Point a, Point b, double y0, double y1,
             const std::vector<double>& cuts)
{
    double bottom = y0;
    for (double y : cuts) {
        if (y <= bottom || y >= y1)
            continue;
        out.push_back(wallQuad(a, b, bottom, y));
        bottom = y;
    }
    out.push_back(wallQuad(a, b, bottom, y1));
}

Vertex flatVertex(Point p, double y)
{
    return vertex(p.x, y, p.z, p.x / kWorldPerTexture, p.z / kWorldPerTexture);
}

// Counterclockwise outlines seen from above give quads facing down; the
// floor reverses them to face up.
void addFlat(std::vector<Quad>& out, const std::vector<Point>& corners, double y, bool facingUp)
{
    for (const QuadOutline& o : splitConvexOutline(corners)) {
        Quad q{{flatVertex(o[0], y), flatVertex(o[1], y), flatVertex(o[2], y), flatVertex(o[3], y)}};
        if (facingUp)
            std::swap(q.p[1], q.p[3]);
        out.push_back(q);
    }
}

// Quads cover an outline only with an even number of corners: an odd cell
// gets one more corner in the middle of its longest wall.
Cell evenCell(Cell cell)
{
    std::size_t n = cell.corners.size();
    if (n % 2 == 0)
        return cell;
    std::size_t longest = 0;
    double best = -1.0;
    for (std::size_t i = 0; i < n; ++i) {
        Point a = cell.corners[i], b = cell.corners[(i + 1) % n];
        double len = std::hypot(b.x - a.x, b.z - a.z);
        if (!cell.edges[i].open && len > best) {
            best = len;
            longest = i;
        }
    }
    Point a = cell.corners[longest], b = cell.corners[(longest + 1) % n];
    cell.corners.insert(cell.corners.begin() + long(longest) + 1, {(a.x + b.x) / 2.0, (a.z + b.z) / 2.0});
    cell.edges.insert(cell.edges.begin() + long(longest) + 1, Edge{false, 0.0});
    return cell;
}

void addCell(LevelMesh& mesh, const Cell& cell, const std::vector<double>& cuts)
{
    std::size_t n = cell.corners.size();
    for (std::size_t i = 0; i < n; ++i) {
        Point a = cell.corners[i], b = cell.corners[(i + 1) % n];
        const Edge& e = cell.edges[i];
        if (!e.open)
            addWall(mesh.walls, a, b, 0.0, cell.height, cuts);
        else if (e.top < cell.height)
            addWall(mesh.walls, a, b, e.top, cell.height, cuts);
    }
    addFlat(mesh.walls, cell.corners, 0.0, true);
    bool underCeiling = cell.height >= kCeilingHeight;
    addFlat(underCeiling ? mesh.ceiling : mesh.walls, cell.corners, cell.height, false);
}

// Pillar faces look outwards, so their corners run clockwise seen from above.
void addPillar(LevelMesh& mesh, const Pillar& p, const std::vector<double>& cuts)
{
    double x0 = p.centre.x - p.half, x1 = p.centre.x + p.half;
    double z0 = p.centre.z - p.half, z1 = p.centre.z + p.half;
    Point c[4] = {{x0, z0}, {x0, z1}, {x1, z1}, {x1, z0}};
    for (int i = 0; i < 4; ++i)
        addWall(mesh.walls, c[i], c[(i + 1) % 4], 0.0, kCeilingHeight, cuts);
}

std::vector<double> wallCuts(const Layout& layout)
{
    std::vector<double> cuts;
    for (const Cell& cell : layout.cells) {
        cuts.push_back(cell.height);
        for (const Edge& e : cell.edges)
            if (e.open)
                cuts.push_back(e.top);
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    return cuts;
}

}  // namespace

LevelMesh buildMesh(const Layout& layout)
{
    LevelMesh mesh;
    std::vector<double> cuts = wallCuts(layout);
    for (const Cell& cell : layout.cells)
        addCell(mesh, evenCell(cell), cuts);
    for (const Pillar& p : layout.pillars)
        addPillar(mesh, p, cuts);
    return mesh;
}
