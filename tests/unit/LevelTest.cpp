// The level's table of rooms: its console lines, its capacity and the primitive switch.
#include "level/Level.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

std::string makeSmallRoom(Level& level, int k)
{
    CaptureStdout();
    level.makeRoom(2, 2, 2, 1, false, false, false, false, Vec3(-12.0f * static_cast<float>(k), 0, -12.0f * static_cast<float>(k)), 0);
    return GetCapturedStdout();
}

TEST(Level, StartsEmpty)
{
    Level level;
    EXPECT_EQ(level.roomCount, 0);
    for (const auto& room : level.rooms)
        EXPECT_EQ(room, nullptr);
}

TEST(Level, ConsoleLogOfOneRoomExactly)
{
    Level level;
    CaptureStdout();
    level.makeRoom(8, 8, 8, 4, false, false, false, false, Vec3(-12, 0, -12), 1);
    const std::string dots(32, '.');
    const std::string expected = "making new room: 0:\n"
                                 "calculating a left wall: " + dots + " now 128 vertices.\n"
                                 "calculating a front wall: " + dots + " now 256 vertices.\n"
                                 "calculating a right wall: " + dots + " now 384 vertices.\n"
                                 "calculating a back wall: " + dots + " now 512 vertices.\n"
                                 "all walls set: 512 vertices.\n";
    EXPECT_EQ(GetCapturedStdout(), expected);
    ASSERT_EQ(level.roomCount, 1);
    EXPECT_EQ(level.rooms[0]->vertexCount, 512);
    EXPECT_EQ(level.rooms[0]->position.x, -12.0f);
    EXPECT_EQ(level.rooms[0]->texture, 1);
}

TEST(Level, RoomsAreNumberedInOrder)
{
    Level level;
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(makeSmallRoom(level, k + 1).rfind("making new room: " + std::to_string(k) + ":\n", 0), 0u);
    EXPECT_EQ(level.rooms[2]->position.z, -36.0f);
}

TEST(Level, HoldsTenRoomsAndRefusesTheEleventh)
{
    Level level;
    for (int k = 0; k < MAX_ROOMS; ++k)
        makeSmallRoom(level, k + 1);
    ASSERT_EQ(level.roomCount, 10);
    const Room* last = level.rooms[9].get();
    EXPECT_EQ(last->position.x, -120.0f);

    EXPECT_EQ(makeSmallRoom(level, 11), "cannot make room 10: the level holds at most 10 rooms.\n");
    EXPECT_EQ(level.roomCount, 10);
    EXPECT_EQ(level.rooms[9].get(), last);
    EXPECT_EQ(last->position.x, -120.0f);
    EXPECT_EQ(makeSmallRoom(level, 12), "cannot make room 10: the level holds at most 10 rooms.\n");
    EXPECT_EQ(level.roomCount, 10);
}

TEST(Level, PrimitiveModeReachesEveryRoomMadeSoFar)
{
    Level level;
    makeSmallRoom(level, 1);
    makeSmallRoom(level, 2);
    level.setRoomPrimitiveMode(GL_LINE_STRIP);
    EXPECT_EQ(level.rooms[0]->primitiveMode, static_cast<GLenum>(GL_LINE_STRIP));
    EXPECT_EQ(level.rooms[1]->primitiveMode, static_cast<GLenum>(GL_LINE_STRIP));
    makeSmallRoom(level, 3);
    EXPECT_EQ(level.rooms[2]->primitiveMode, static_cast<GLenum>(GL_TRIANGLES));
    level.setRoomPrimitiveMode(GL_TRIANGLES);
    EXPECT_EQ(level.rooms[0]->primitiveMode, static_cast<GLenum>(GL_TRIANGLES));
}

}  // namespace
