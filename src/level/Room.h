// A generated room: an open box of four walls, each a grid of cells of two triangles,
// kept as one flat store of normals and corners in the order it is drawn.
#pragma once

#include "level/Triangle.h"
#include "math/Vec3.h"
#include "platform/Gl.h"

#include <vector>

struct TextureManager;

// The sides of a room; the fixed underlying type lets any number be passed and rejected.
enum WallSide : int { LEFT = 0, FRONT = 1, RIGHT = 2, BACK = 3 };

struct Room {
    Vec3 position;
    bool doors[4];
    int texture;  // slot of the texture table, looked up at every draw
    GLenum primitiveMode;
    int subdivisions;
    std::vector<Vec3> vertices;  // per triangle: its normal, then p0, p1, p2; sized once
    int vertexCount;
    float cellTexCoords[6][2];
    float height;
    float width;
    float depth;

    // Builds the whole geometry and prints the generation log while doing so.
    Room(float roomWidth, float roomHeight, float roomDepth, int cellsPerEdge, bool doorLeft, bool doorFront,
         bool doorRight, bool doorBack, Vec3 roomPosition, int textureSlot);

    void generateWalls(int n);
    // A side outside LEFT..BACK generates nothing and prints only the vertices line.
    void generateWall(WallSide side, int n, bool door);
    // Appends the triangle's recomputed normal and its corners; a full store takes nothing more.
    void addTriangle(Triangle t);

    // Sends the store in immediate mode with the texture that the table holds at `texture` now.
    void draw(const TextureManager& textures) const;
};
