// What each key does on press and on release, through the program's own callbacks.
#include "app/callbacks.h"
#include "app/globals.h"
#include "app/switches.h"

#include <GL/freeglut.h>
#include <cstring>

#include <gtest/gtest.h>

namespace {

class InputTest : public testing::Test {
protected:
    void SetUp() override { forwardHeld = backwardHeld = leftHeld = rightHeld = modelWalkHeld = modelTurnHeld = false; }
    void TearDown() override { SetUp(); }
};

TEST_F(InputTest, MovementKeysHoldTheirFlagsFromPressToRelease)
{
    const struct {
        unsigned char key;
        bool* flag;
    } keys[] = {{'w', &forwardHeld}, {'s', &backwardHeld}, {'a', &leftHeld},
                {'d', &rightHeld},   {'f', &modelWalkHeld}, {'r', &modelTurnHeld}};
    for (const auto& k : keys) {
        keyDown(k.key, 0, 0);
        EXPECT_TRUE(*k.flag) << k.key;
        keyUp(k.key, 0, 0);
        EXPECT_FALSE(*k.flag) << k.key;
    }
    const struct {
        int key;
        bool* flag;
    } arrows[] = {{GLUT_KEY_UP, &forwardHeld}, {GLUT_KEY_DOWN, &backwardHeld}, {GLUT_KEY_LEFT, &leftHeld},
                  {GLUT_KEY_RIGHT, &rightHeld}};
    for (const auto& k : arrows) {
        specialKeyDown(k.key, 0, 0);
        EXPECT_TRUE(*k.flag) << k.key;
        specialKeyUp(k.key, 0, 0);
        EXPECT_FALSE(*k.flag) << k.key;
    }
}

TEST_F(InputTest, HomeGoesBackWhereAndHowTheWalkBegan)
{
    camera.position.set(7.5f, 4.0f, 0.0f);
    camera.viewPoint.set(0.0f, 4.0f, 0.0f);
    camera.up.set(0.0f, 1.0f, 0.0f);
    camera.updateSide();
    startView = camera;
    camera.position.set(-30.0f, 4.0f, 12.0f);
    camera.viewPoint.set(-31.0f, 9.0f, 15.0f);
    camera.up.set(0.0f, 0.0f, 1.0f);
    camera.side.set(1.0f, 0.0f, 0.0f);
    specialKeyUp(GLUT_KEY_HOME, 0, 0);
    for (const auto& pair : {std::make_pair(camera.position, startView.position), std::make_pair(camera.viewPoint, startView.viewPoint),
                             std::make_pair(camera.up, startView.up), std::make_pair(camera.side, startView.side)}) {
        EXPECT_EQ(pair.first.x, pair.second.x);
        EXPECT_EQ(pair.first.y, pair.second.y);
        EXPECT_EQ(pair.first.z, pair.second.z);
    }
    EXPECT_EQ(camera.side.z, -1.0f);
}

TEST_F(InputTest, SolidWallsSwitchWithCAndAreAnnounced)
{
    keyUp('c', 0, 0);
    EXPECT_TRUE(solidWalls);
    EXPECT_STREQ(overlay.message, "Solid Walls is turned ON");
    keyUp('C', 0, 0);
    EXPECT_TRUE(solidWalls) << "only the lower-case letter acts";
    keyUp('c', 0, 0);
    EXPECT_FALSE(solidWalls);
    EXPECT_STREQ(overlay.message, "Solid Walls is turned OFF");
}

TEST_F(InputTest, OnlyLowerCaseLettersAct)
{
    keyDown('W', 0, 0);
    EXPECT_FALSE(forwardHeld);
    keyDown('w', 0, 0);
    keyUp('W', 0, 0);
    EXPECT_TRUE(forwardHeld) << "an upper-case release must not clear the flag";
}

TEST_F(InputTest, EscapeEndsTheProgramOnReleaseOnly)
{
    keyDown(27, 0, 0);
    EXPECT_EXIT(keyUp(27, 0, 0), testing::ExitedWithCode(0), "");
}

TEST_F(InputTest, FrameKeysStepTheModelInSlotZero)
{
    modelManager.modelCount = 1;
    Md2Model& model = modelManager.models[0];
    model.framePosition = 0.0f;
    keyUp('5', 0, 0);
    EXPECT_EQ(model.framePosition, 39.0f);
    keyUp('6', 0, 0);
    EXPECT_EQ(model.framePosition, 0.0f);
    keyUp('6', 0, 0);
    EXPECT_EQ(model.framePosition, 1.0f);
    modelManager.modelCount = 0;
}

TEST_F(InputTest, RoomKeyBuildsSevenRoomsOnItsFirstReleaseOnly)
{
    level = Level();
    roomsBuilt = false;
    wallTexture = 0;
    testing::internal::CaptureStdout();
    keyUp('4', 0, 0);
    std::string first = testing::internal::GetCapturedStdout();
    ASSERT_EQ(level.roomCount, 7);
    for (int k = 1; k <= 7; ++k) {
        const Room& room = *level.rooms[k - 1];
        EXPECT_EQ(room.position.x, -12.0f * static_cast<float>(k));
        EXPECT_EQ(room.position.z, -12.0f * static_cast<float>(k));
        EXPECT_EQ(room.vertexCount, 512);
        EXPECT_EQ(room.texture, wallTexture);
    }
    std::string dots(32, '.');
    std::string room = "calculating a left wall: " + dots + " now 128 vertices.\n" + "calculating a front wall: " + dots +
                       " now 256 vertices.\n" + "calculating a right wall: " + dots + " now 384 vertices.\n" +
                       "calculating a back wall: " + dots + " now 512 vertices.\n" + "all walls set: 512 vertices.\n";
    std::string expected;
    for (int k = 0; k < 7; ++k)
        expected += "making new room: " + std::to_string(k) + ":\n" + room;
    EXPECT_EQ(first, expected);

    testing::internal::CaptureStdout();
    keyUp('4', 0, 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(level.roomCount, 7);
}

}  // namespace
