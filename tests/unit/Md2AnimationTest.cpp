// The animation rules (wrapping frame steps, once-played sequences) and moving and turning
// a model along its heading.
#include "md2/Md2Model.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

Md2Model quietModel()
{
    testing::internal::CaptureStdout();
    Md2Model model;
    testing::internal::GetCapturedStdout();
    return model;
}

TEST(Md2Animation, DefaultModelPrintsAndStartsInLoopAtFrame0)
{
    testing::internal::CaptureStdout();
    const Md2Model model;
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "setting animationsequence 0\n");
    EXPECT_EQ(model.sequence, 0);
    EXPECT_EQ(model.framePosition, 0.0f);
    EXPECT_EQ(model.playMode, PLAY_LOOP);
    EXPECT_EQ(model.angle, 0.0f);
    EXPECT_EQ(model.viewVector.x, 1.0f);
    EXPECT_EQ(model.viewVector.z, 0.0f);
    EXPECT_EQ(model.primitiveMode, static_cast<GLenum>(GL_TRIANGLES));
    EXPECT_FALSE(model.showLightNormals);
    EXPECT_FLOAT_EQ(model.material.specular[0], 1.0f);
    int total = 0;
    for (int s = 0; s < SEQUENCE_COUNT; ++s)
        total += model.frameCounts[s];
    EXPECT_EQ(total, 198);
    EXPECT_EQ(model.frameCounts[0], 40);
    EXPECT_EQ(model.frameCounts[16], 5);
}

TEST(Md2Animation, NextFrameWrapsAfterTheLastFrame)
{
    Md2Model model = quietModel();
    for (int i = 0; i < 39; ++i)
        model.nextFrame();
    EXPECT_EQ(model.framePosition, 39.0f);
    model.nextFrame();
    EXPECT_EQ(model.framePosition, 0.0f);
}

TEST(Md2Animation, PreviousFrameWrapsToTheLastFrame)
{
    Md2Model model = quietModel();
    model.previousFrame();
    EXPECT_EQ(model.framePosition, 39.0f);
    model.previousFrame();
    EXPECT_EQ(model.framePosition, 38.0f);
    model.sequence = 16;
    model.framePosition = 0.0f;
    model.previousFrame();
    EXPECT_EQ(model.framePosition, 4.0f);
}

TEST(Md2Animation, SetAnimationSequencePrintsAndRestarts)
{
    Md2Model model = quietModel();
    model.framePosition = 3.0f;
    testing::internal::CaptureStdout();
    model.setAnimationSequence(7, 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "setting animationsequence 7\n");
    EXPECT_EQ(model.sequence, 7);
    EXPECT_EQ(model.playMode, 0);
    EXPECT_EQ(model.framePosition, 0.0f);
}

TEST(Md2Animation, LoopedSequenceStartsAgainAtItsEnd)
{
    Md2Model model = quietModel();
    model.framePosition = 39.0f;
    model.checkSequenceEnd();
    EXPECT_EQ(model.framePosition, 39.0f);
    model.framePosition = 40.0f;
    testing::internal::CaptureStdout();
    model.checkSequenceEnd();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(model.framePosition, 0.0f);
    EXPECT_EQ(model.sequence, 0);
}

TEST(Md2Animation, OncePlayedSequenceReturnsToSequence0)
{
    Md2Model model = quietModel();
    testing::internal::CaptureStdout();
    model.setAnimationSequence(16, 0);
    model.framePosition = 5.0f;
    model.checkSequenceEnd();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "setting animationsequence 16\nsetting animationsequence 0\n");
    EXPECT_EQ(model.sequence, 0);
    EXPECT_EQ(model.framePosition, 0.0f);
    EXPECT_EQ(model.playMode, PLAY_LOOP);
}

// The heading the turn must give: the rounded degree constant, cos and sin in double precision.
void expectHeading(const Md2Model& model, float angle)
{
    EXPECT_EQ(model.angle, angle);
    const double radians = static_cast<float>(static_cast<double>(angle) * 0.01745329251994);
    EXPECT_EQ(model.viewVector.x, static_cast<float>(std::cos(radians)));
    EXPECT_EQ(model.viewVector.y, 0.0f);
    EXPECT_EQ(model.viewVector.z, static_cast<float>(-std::sin(radians)));
}

TEST(Md2Animation, TurnRotatesTheHeadingFromXTowardMinusZ)
{
    Md2Model model = quietModel();
    model.turn(90.0f);
    expectHeading(model, 90.0f);
    EXPECT_NEAR(model.viewVector.x, 0.0f, 1e-6f);
    EXPECT_NEAR(model.viewVector.z, -1.0f, 1e-6f);
    model.position = Vec3(8, 4, 8);
    model.move(2.0f);
    EXPECT_NEAR(model.position.x, 8.0f, 1e-6f);
    EXPECT_EQ(model.position.y, 4.0f);
    EXPECT_NEAR(model.position.z, 6.0f, 1e-6f);
}

TEST(Md2Animation, TurnKeepsTheAngleInOneTurn)
{
    Md2Model model = quietModel();
    model.turn(-10.0f);
    expectHeading(model, 350.0f);
    model = quietModel();
    model.turn(370.0f);
    expectHeading(model, 10.0f);
    model = quietModel();
    model.turn(359.0f);
    model.turn(1.0f);
    expectHeading(model, 0.0f);
}

TEST(Md2Animation, OnlyOneCorrectionOf360IsApplied)
{
    Md2Model model = quietModel();
    model.turn(720.0f);
    expectHeading(model, 360.0f);
    model = quietModel();
    model.turn(-400.0f);
    expectHeading(model, -40.0f);
}

TEST(Md2Animation, MoveFollowsTheHeadingInTheGroundPlane)
{
    Md2Model model = quietModel();
    model.position = Vec3(1, 2, 3);
    model.move(0.0f);
    EXPECT_EQ(model.position.x, 1.0f);
    EXPECT_EQ(model.position.z, 3.0f);
    model.move(0.5f);
    EXPECT_EQ(model.position.x, 1.5f);
    EXPECT_EQ(model.position.y, 2.0f);
    EXPECT_EQ(model.position.z, 3.0f);
    model.turn(180.0f);
    model.move(1.5f);
    EXPECT_NEAR(model.position.x, 0.0f, 1e-6f);
    EXPECT_NEAR(model.position.z, 3.0f, 1e-6f);
}

} // namespace
