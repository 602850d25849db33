// Room generation: the store's layout and sizes, texture pairs, the left door, walls that
// must not overrun the store, and the console log of a room.
#include "level/Room.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

struct Built {
    std::string log;
    Room room;
};

Built buildRoom(int n, bool left = false, bool front = false, bool right = false, bool back = false,
                float width = 8, float height = 8, float depth = 8)
{
    CaptureStdout();
    Room room(width, height, depth, n, left, front, right, back, Vec3(0, 0, 0), 0);
    return Built{GetCapturedStdout(), room};
}

void expectVec(Vec3 v, float x, float y, float z)
{
    EXPECT_FLOAT_EQ(v.x, x);
    EXPECT_FLOAT_EQ(v.y, y);
    EXPECT_FLOAT_EQ(v.z, z);
}

int countOf(const std::string& text, const std::string& part)
{
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

std::string wallLine(const char* side, int dots, int vertices)
{
    return std::string("calculating a ") + side + " wall: " + std::string(static_cast<std::size_t>(dots), '.') +
           " now " + std::to_string(vertices) + " vertices.\n";
}

TEST(Room, EightCubeWithFourSubdivisionsHolds512Entries)
{
    Built b = buildRoom(4);
    EXPECT_EQ(b.room.vertexCount, 512);
    EXPECT_EQ(b.room.vertices.size(), 512u);
    EXPECT_EQ(b.room.primitiveMode, static_cast<GLenum>(GL_TRIANGLES));
    EXPECT_EQ(b.room.subdivisions, 4);
}

TEST(Room, FirstCellOfTheLeftWall)
{
    Built b = buildRoom(4);
    const Vec3* v = b.room.vertices.data();
    expectVec(v[0], 1, 0, 0);
    expectVec(v[1], 0, 0, 0);
    expectVec(v[2], 0, 2, 0);
    expectVec(v[3], 0, 2, 2);
    expectVec(v[4], 1, 0, 0);
    expectVec(v[5], 0, 0, 0);
    expectVec(v[6], 0, 2, 2);
    expectVec(v[7], 0, 0, 2);
}

TEST(Room, FirstCellsOfTheOtherWalls)
{
    Built b = buildRoom(4);
    const Vec3* front = &b.room.vertices[128];
    expectVec(front[0], 0, 0, -1);
    expectVec(front[1], 0, 0, 8);
    expectVec(front[2], 0, 2, 8);
    expectVec(front[3], 2, 2, 8);
    const Vec3* right = &b.room.vertices[256];
    expectVec(right[0], -1, 0, 0);
    expectVec(right[1], 8, 0, 8);
    expectVec(right[2], 8, 2, 8);
    expectVec(right[3], 8, 2, 6);
    expectVec(right[7], 8, 0, 6);
    const Vec3* back = &b.room.vertices[384];
    expectVec(back[0], 0, 0, 1);
    expectVec(back[1], 8, 0, 0);
    expectVec(back[2], 8, 2, 0);
    expectVec(back[3], 6, 2, 0);
}

// Every triangle of a wall lies in the wall's plane, its normal points into the room, and
// the cells are walked outer step by outer step, bottom to top.
TEST(Room, EveryWallInItsPlaneFacingInwards)
{
    struct Wall {
        Vec3 normal;
        int axis;  // 0: x fixed, 2: z fixed
        float plane;
    };
    const Wall walls[4] = {{Vec3(1, 0, 0), 0, 0}, {Vec3(0, 0, -1), 2, 8}, {Vec3(-1, 0, 0), 0, 8}, {Vec3(0, 0, 1), 2, 0}};
    Built b = buildRoom(4);
    for (int w = 0; w < 4; ++w) {
        for (int e = w * 128; e < (w + 1) * 128; e += 4) {
            const Vec3* t = &b.room.vertices[e];
            expectVec(t[0], walls[w].normal.x, walls[w].normal.y, walls[w].normal.z);
            for (int c = 1; c <= 3; ++c)
                EXPECT_FLOAT_EQ(walls[w].axis == 0 ? t[c].x : t[c].z, walls[w].plane) << "wall " << w << " entry " << e;
        }
    }
    expectVec(b.room.vertices[8 + 1], 0, 2, 0);   // second cell: one row up
    expectVec(b.room.vertices[32 + 1], 0, 0, 2);  // fifth cell: next outer step, bottom row
}

TEST(Room, CoordinatesComeFromTheIndexNotFromSums)
{
    Built b = buildRoom(3, false, false, false, false, 1, 1, 1);
    // Left wall, last outer step (i = 2), top row (j = 2): z0 = (2/3)*1, y0 = (2/3)*1.
    const Vec3* last = &b.room.vertices[64];
    EXPECT_EQ(last[1].z, 2.0f / 3.0f * 1.0f);
    EXPECT_EQ(last[1].y, 2.0f / 3.0f * 1.0f);
    // Right wall starts at the far end: za = (3/3)*1 exactly.
    EXPECT_EQ(b.room.vertices[144 + 1].z, 1.0f);
}

TEST(Room, CellTexCoords)
{
    const float four[6][2] = {{0, 0}, {0, 0.25f}, {0.25f, 0.25f}, {0, 0}, {0.25f, 0.25f}, {0.25f, 0}};
    const float one[6][2] = {{0, 0}, {0, 1}, {1, 1}, {0, 0}, {1, 1}, {1, 0}};
    Built b4 = buildRoom(4);
    Built b1 = buildRoom(1);
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(b4.room.cellTexCoords[c][0], four[c][0]);
        EXPECT_EQ(b4.room.cellTexCoords[c][1], four[c][1]);
        EXPECT_EQ(b1.room.cellTexCoords[c][0], one[c][0]);
        EXPECT_EQ(b1.room.cellTexCoords[c][1], one[c][1]);
    }
    Built b3 = buildRoom(3);
    EXPECT_EQ(b3.room.cellTexCoords[2][0], static_cast<float>(1.0 / 3.0));
}

TEST(Room, OneSubdivisionIsOneCellPerWall)
{
    Built b = buildRoom(1);
    EXPECT_EQ(b.room.vertexCount, 32);
    EXPECT_EQ(b.room.vertices.size(), 32u);
    expectVec(b.room.vertices[3], 0, 8, 8);
}

TEST(Room, LeftDoorLeavesTheLeftWallOpen)
{
    Built b = buildRoom(4, true);
    EXPECT_EQ(countOf(b.log, "making door\n"), 16);
    EXPECT_EQ(b.log.rfind("calculating a left wall: ", 0), 0u);
    EXPECT_NE(b.log.find(" now 0 vertices.\ncalculating a front wall: "), std::string::npos);
    EXPECT_NE(b.log.find(wallLine("front", 32, 128)), std::string::npos);
    EXPECT_EQ(b.room.vertexCount, 384);
    EXPECT_EQ(b.room.vertices.size(), 384u);
    expectVec(b.room.vertices[0], 0, 0, -1);  // the store starts with the front wall
    EXPECT_TRUE(b.room.doors[LEFT]);
}

// The other walls ignore their door flag and are built in full: the store must hold all of it.
TEST(Room, FlaggedFrontRightBackWallsFitTheStore)
{
    for (int n : {4, 6}) {
        Built b = buildRoom(n, false, true, true, true);
        const int full = 32 * n * n;
        EXPECT_EQ(b.room.vertexCount, full) << "n = " << n;
        EXPECT_EQ(b.room.vertices.size(), static_cast<std::size_t>(full)) << "n = " << n;
        EXPECT_EQ(countOf(b.log, "."), 8 * n * n + 5) << "n = " << n;  // dots plus the five "vertices." ends
        EXPECT_EQ(countOf(b.log, "making door"), 0);
        EXPECT_NE(b.log.find("all walls set: " + std::to_string(full) + " vertices."), std::string::npos);
    }
}

TEST(Room, AllDoorsFlaggedBuildThreeWalls)
{
    Built b = buildRoom(6, true, true, true, true);
    EXPECT_EQ(b.room.vertexCount, 3 * 8 * 36);
    EXPECT_EQ(b.room.vertices.size(), static_cast<std::size_t>(3 * 8 * 36));
}

TEST(Room, ConsoleLogOfOneRoom)
{
    Built b = buildRoom(4);
    const std::string expected = wallLine("left", 32, 128) + wallLine("front", 32, 256) +
                                 wallLine("right", 32, 384) + wallLine("back", 32, 512) +
                                 "all walls set: 512 vertices.";
    EXPECT_EQ(b.log, expected);
}

TEST(Room, NoSubdivisionsGenerateNothing)
{
    for (int n : {0, -3}) {
        Built b = buildRoom(n, true);
        EXPECT_EQ(b.log, wallLine("left", 0, 0) + wallLine("front", 0, 0) + wallLine("right", 0, 0) +
                             wallLine("back", 0, 0) + "all walls set: 0 vertices.");
        EXPECT_EQ(b.room.vertexCount, 0);
        EXPECT_TRUE(b.room.vertices.empty());
        for (const auto& pair : b.room.cellTexCoords)
            EXPECT_TRUE(std::isfinite(pair[0]) && std::isfinite(pair[1]));
    }
}

TEST(Room, UnknownSidePrintsOnlyTheVerticesLine)
{
    Built b = buildRoom(2);
    CaptureStdout();
    b.room.generateWall(static_cast<WallSide>(7), 2, false);
    b.room.generateWall(static_cast<WallSide>(-1), 2, false);
    EXPECT_EQ(GetCapturedStdout(), " now 128 vertices.\n now 128 vertices.\n");
    EXPECT_EQ(b.room.vertexCount, 128);
}

TEST(Room, AFullStoreTakesNoMoreTriangles)
{
    Built b = buildRoom(2);
    const Vec3 lastCorner = b.room.vertices.back();
    CaptureStdout();
    b.room.generateWall(LEFT, 2, false);
    b.room.addTriangle(Triangle(Vec3(0, 0, 0), Vec3(1, 0, 0), Vec3(0, 1, 0)));
    EXPECT_EQ(GetCapturedStdout(), "calculating a left wall:  now 128 vertices.\n");
    EXPECT_EQ(b.room.vertexCount, 128);
    EXPECT_EQ(b.room.vertices.size(), 128u);
    expectVec(b.room.vertices.back(), lastCorner.x, lastCorner.y, lastCorner.z);
}

TEST(Room, AddTriangleRecomputesTheNormalOfItsCopy)
{
    Built b = buildRoom(1);
    Room& room = b.room;
    room.vertexCount = 0;
    Triangle t(Vec3(0, 0, 0), Vec3(0, 1, 0), Vec3(0, 1, 1));
    t.normal = Vec3(5, 5, 5);
    CaptureStdout();
    room.addTriangle(t);
    EXPECT_EQ(GetCapturedStdout(), ".");
    expectVec(room.vertices[0], 1, 0, 0);
    expectVec(t.normal, 5, 5, 5);
    EXPECT_EQ(room.vertexCount, 4);
}

TEST(Room, KeepsItsArguments)
{
    CaptureStdout();
    Room room(3, 5, 7, 2, false, true, false, true, Vec3(-12, 0, -24), 6);
    GetCapturedStdout();
    EXPECT_EQ(room.width, 3.0f);
    EXPECT_EQ(room.height, 5.0f);
    EXPECT_EQ(room.depth, 7.0f);
    EXPECT_EQ(room.texture, 6);
    expectVec(room.position, -12, 0, -24);
    EXPECT_FALSE(room.doors[LEFT]);
    EXPECT_TRUE(room.doors[FRONT]);
    EXPECT_FALSE(room.doors[RIGHT]);
    EXPECT_TRUE(room.doors[BACK]);
}

}  // namespace
