// Generation of a room's walls and its console log, one dot per triangle.
#include "level/Room.h"

#include <climits>
#include <cstdio>
#include <new>

namespace {

const char* const WALL_MESSAGES[4] = {
    "calculating a left wall: ",
    "calculating a front wall: ",
    "calculating a right wall: ",
    "calculating a back wall: ",
};

// Only the left wall honours its door flag (its cells are left out); the other walls are
// always built in full, so the store counts exactly what the walls receive.
std::size_t reservedEntries(int n, bool doorLeft)
{
    if (n <= 0)
        return 0;
    const long long cells = static_cast<long long>(n) * n;
    const long long walls = doorLeft ? 3 : 4;
    // vertexCount must be able to count every entry; a store beyond that cannot be obtained.
    if (cells > INT_MAX / (8 * walls))
        throw std::bad_alloc();
    return static_cast<std::size_t>(8 * walls * cells);
}

// The point of a wall at distance h along its horizontal axis and at height y, in room coordinates.
Vec3 wallPoint(const Room& room, WallSide side, float h, float y)
{
    switch (side) {
    case LEFT:
        return Vec3(0.0f, y, h);
    case FRONT:
        return Vec3(h, y, room.depth);
    case RIGHT:
        return Vec3(room.width, y, h);
    default:
        return Vec3(h, y, 0.0f);
    }
}

// Cell (k, j) of a wall: k counts the outer steps, j the rows from the bottom. The right and back
// walls walk their axis downwards so that every triangle runs counter-clockwise seen from inside.
void addCell(Room& room, WallSide side, int k, int j, int n)
{
    const float cells = static_cast<float>(n);
    const bool falling = side == RIGHT || side == BACK;
    const float extent = side == LEFT || side == RIGHT ? room.depth : room.width;
    const int i = falling ? n - k : k;
    const float hs = static_cast<float>(i) / cells * extent;
    const float he = falling ? hs - extent / cells : hs + extent / cells;
    const float y0 = static_cast<float>(j) / cells * room.height;
    const float y1 = y0 + room.height / cells;
    const Vec3 bottomStart = wallPoint(room, side, hs, y0);
    const Vec3 topEnd = wallPoint(room, side, he, y1);
    room.addTriangle(Triangle(bottomStart, wallPoint(room, side, hs, y1), topEnd));
    room.addTriangle(Triangle(bottomStart, topEnd, wallPoint(room, side, he, y0)));
}

}  // namespace

Room::Room(float roomWidth, float roomHeight, float roomDepth, int cellsPerEdge, bool doorLeft, bool doorFront,
           bool doorRight, bool doorBack, Vec3 roomPosition, int textureSlot)
    : position(roomPosition),
      doors{doorLeft, doorFront, doorRight, doorBack},
      texture(textureSlot),
      primitiveMode(GL_TRIANGLES),
      subdivisions(cellsPerEdge),
      vertices(reservedEntries(cellsPerEdge, doorLeft)),
      vertexCount(0),
      cellTexCoords{},
      height(roomHeight),
      width(roomWidth),
      depth(roomDepth)
{
    generateWalls(subdivisions);
    // Every cell shows the same s x s corner of the texture; without cells there is nothing to map.
    const float s = subdivisions > 0 ? static_cast<float>(1.0 / subdivisions) : 0.0f;
    const float pairs[6][2] = {{0, 0}, {0, s}, {s, s}, {0, 0}, {s, s}, {s, 0}};
    for (int c = 0; c < 6; ++c) {
        cellTexCoords[c][0] = pairs[c][0];
        cellTexCoords[c][1] = pairs[c][1];
    }
}

void Room::generateWalls(int n)
{
    for (WallSide side : {LEFT, FRONT, RIGHT, BACK})
        generateWall(side, n, doors[side]);
    std::printf("all walls set: %d vertices.", vertexCount);
}

void Room::generateWall(WallSide side, int n, bool door)
{
    if (side >= LEFT && side <= BACK) {
        std::printf("%s", WALL_MESSAGES[side]);
        for (int k = 0; k < n; ++k) {
            for (int j = 0; j < n; ++j) {
                if (side == LEFT && door)
                    std::printf("making door\n");
                else
                    addCell(*this, side, k, j, n);
            }
        }
    }
    std::printf(" now %d vertices.\n", vertexCount);
}

void Room::addTriangle(Triangle t)
{
    t.computeNormal();
    if (static_cast<std::size_t>(vertexCount) + 4 > vertices.size())
        return;
    vertices[vertexCount] = t.normal;
    vertices[vertexCount + 1] = t.p0;
    vertices[vertexCount + 2] = t.p1;
    vertices[vertexCount + 3] = t.p2;
    vertexCount += 4;
    std::printf(".");
}
