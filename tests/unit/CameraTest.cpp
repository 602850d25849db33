// Walking on the floor plane and looking around with a pinned pointer.
#include "FakePlatform.h"
#include "scene/Camera.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

class CameraTest : public testing::Test {
protected:
    FakePointer pointer;
    Camera camera;

    void SetUp() override
    {
        placeAtHallStart(camera, pointer);
    }

    float viewLength() const { return (camera.viewPoint - camera.position).length(); }
};

void expectVec(Vec3 v, float x, float y, float z, float tolerance = 1e-5f)
{
    EXPECT_NEAR(v.x, x, tolerance);
    EXPECT_NEAR(v.y, y, tolerance);
    EXPECT_NEAR(v.z, z, tolerance);
}

TEST(CameraConstruction, LooksAlongXWithZUp)
{
    Camera camera;
    expectVec(camera.position, 0, 0, 0);
    expectVec(camera.viewPoint, 1, 0, 0);
    expectVec(camera.side, 0, -1, 0);
}

TEST_F(CameraTest, SideIsTheViewersRight)
{
    expectVec(camera.side, 0, 0, -1);
    camera.strafe(1.0f);
    expectVec(camera.position, 7.5f, 4, -1);
    expectVec(camera.viewPoint, 0, 4, -1);
}

TEST_F(CameraTest, MoveForwardWalksAlongTheView)
{
    camera.moveForward(0.15f);
    expectVec(camera.position, 7.35f, 4, 0);
    expectVec(camera.viewPoint, -0.15f, 4, 0);
    camera.moveForward(-0.15f);
    expectVec(camera.position, 7.5f, 4, 0);
}

// Every heading, either way: the step goes along the view (forward) or to the viewer's right
// (strafe), and the view point moves exactly as the position does.
TEST_F(CameraTest, StepsFollowAnyHeadingAndMoveBothPointsAlike)
{
    const float h = std::sqrt(0.5f);
    const Vec3 headings[] = {{-h, 0, -h}, {h, 0, -h}, {1, 0, 0}, {0, 0, -1}, {0, 0, 1}};
    for (const Vec3& heading : headings)
        for (float sign : {-1.0f, 1.0f}) {
            const Vec3 right(-heading.z, 0, heading.x);
            for (bool strafing : {false, true}) {
                SetUp();
                camera.viewPoint = camera.position + heading * 7.5f;
                camera.updateSide();
                const Vec3 position = camera.position, view = camera.viewPoint;
                if (strafing)
                    camera.strafe(0.5f * sign);
                else
                    camera.moveForward(0.5f * sign);
                const Vec3 expected = (strafing ? right : heading) * (0.5f * sign);
                expectVec(camera.position - position, expected.x, 0, expected.z);
                expectVec(camera.viewPoint - view, expected.x, 0, expected.z);
            }
        }
}

TEST_F(CameraTest, LookingUpWalksSlowerAndStaysOnTheFloorPlane)
{
    const double quarterPi = std::atan(1.0);  // M_PI is not standard C++
    camera.rotateView(static_cast<float>(quarterPi), camera.side.x, camera.side.y, camera.side.z);
    Vec3 before = camera.position;
    camera.moveForward(1.0f);
    EXPECT_NEAR((camera.position - before).length(), std::cos(quarterPi), 1e-5);
    EXPECT_EQ(camera.position.y, 4.0f);
}

TEST_F(CameraTest, PointerAtTheCentreChangesNothing)
{
    Vec3 view = camera.viewPoint;
    camera.mouseLook(0, 0);
    EXPECT_EQ(pointer.warps, 0);
    expectVec(camera.viewPoint, view.x, view.y, view.z, 0.0f);
}

TEST_F(CameraTest, PointerRightTurnsRightAndIsPutBack)
{
    pointer.x = 720;  // 400 pixels: one radian
    camera.mouseLook(5, 5);
    EXPECT_EQ(pointer.warps, 1);
    EXPECT_EQ(pointer.x, 320);
    EXPECT_EQ(pointer.y, 240);
    Vec3 view = camera.viewPoint - camera.position;
    // Turning right from -x swings the view toward the old right, -z.
    expectVec(view, -7.5f * std::cos(1.0f), 0, -7.5f * std::sin(1.0f));
    EXPECT_NEAR(viewLength(), 7.5f, 1e-4f);
}

TEST_F(CameraTest, PointerAboveLooksUp)
{
    pointer.y = 140;
    camera.mouseLook(0, 0);
    Vec3 view = camera.viewPoint - camera.position;
    EXPECT_NEAR(view.y, 7.5f * std::sin(0.25f), 1e-4f);
    EXPECT_NEAR(viewLength(), 7.5f, 1e-4f);
}

TEST_F(CameraTest, MouseSpeedScalesAndInvertTurnsUpAround)
{
    camera.lookScale = 0.5f;
    camera.invertLook = true;
    pointer.x = 720;
    pointer.y = 140;
    camera.mouseLook(0, 0);
    Vec3 view = camera.viewPoint - camera.position;
    // 400 pixels right at half speed: half a radian right; 100 up, inverted: an eighth down.
    EXPECT_NEAR(view.y, -7.5f * std::sin(0.125f), 1e-4f);
    EXPECT_NEAR(std::atan2(-view.z, -view.x), 0.5f, 1e-4f);
}

TEST_F(CameraTest, InAWindowThePointerIsHeldAtTheWindowsMiddle)
{
    camera.centreX = 900;
    camera.centreY = 500;
    pointer.x = 900;
    pointer.y = 500;
    Vec3 view = camera.viewPoint;
    camera.mouseLook(0, 0);
    EXPECT_EQ(pointer.warps, 0);
    expectVec(camera.viewPoint, view.x, view.y, view.z, 0.0f);
    pointer.x = 1300;
    camera.mouseLook(0, 0);
    EXPECT_EQ(pointer.x, 900);
    EXPECT_NEAR(std::atan2(-(camera.viewPoint - camera.position).z, -(camera.viewPoint - camera.position).x), 1.0f, 1e-4f);
}

TEST_F(CameraTest, RotationKeepsTheViewLength)
{
    for (int i = 0; i < 100; ++i)
        camera.rotateView(0.37f, 0.0f, 1.0f, 0.0f);
    EXPECT_NEAR(viewLength(), 7.5f, 1e-3f);
}

TEST_F(CameraTest, LookingStraightUpKeepsTheLastSideAndStrafesSafely)
{
    camera.viewPoint.set(7.5f, 11.5f, 0.0f);
    camera.updateSide();
    expectVec(camera.side, 0, 0, -1);
    camera.strafe(1.0f);
    EXPECT_TRUE(std::isfinite(camera.position.x) && std::isfinite(camera.position.z));
    expectVec(camera.position, 7.5f, 4, -1);
}

TEST_F(CameraTest, PitchPastVerticalNeverGivesNaN)
{
    pointer.y = 240 - 700;  // 1.75 radians up: past straight up
    camera.mouseLook(0, 0);
    camera.updateSide();
    camera.strafe(0.5f);
    camera.moveForward(0.5f);
    EXPECT_TRUE(std::isfinite(camera.position.x) && std::isfinite(camera.position.z));
    EXPECT_TRUE(std::isfinite(camera.side.x) && std::isfinite(camera.side.z));
}

}  // namespace
