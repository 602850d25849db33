// The building as convex floor cells and pillars, and its conversion into the
// textured quads of walls.txt (kachel2.tga) and ceiling.txt (ceiling.tga).
#pragma once

#include <vector>

constexpr double kCeilingHeight = 10.0;
constexpr double kWorldPerTexture = 8.0;  // one texture repeat: 4 x 4 tiles of 2 x 2 units

struct Point {
    double x, z;
};

struct Vertex {
    double x, y, z, s, t;
};

// Four corners; OpenGL draws the quad only from the side that
// (p1 - p0) x (p2 - p0) points to.
struct Quad {
    Vertex p[4];
};

// The edge from corner i to corner i + 1 of a cell: a wall from the floor up
// to the cell's height, or an opening of height `top` into a neighbour cell.
struct Edge {
    bool open;
    double top;
};

// A convex piece of floor, corners counterclockwise seen from above (x to the
// right, z up), covered at `height` by the ceiling or, when lower, by a soffit.
struct Cell {
    std::vector<Point> corners;
    std::vector<Edge> edges;
    double height;
};

struct Pillar {
    Point centre;
    double half;
};

struct Layout {
    std::vector<Cell> cells;
    std::vector<Pillar> pillars;
};

struct LevelMesh {
    std::vector<Quad> walls;    // walls, floor, pillars, soffits
    std::vector<Quad> ceiling;  // the flat ceiling at kCeilingHeight
};

LevelMesh buildMesh(const Layout& layout);
