// The vector operations that movement, normals and the camera rely on.
#include "math/Vec3.h"

#include <gtest/gtest.h>

namespace {

void expectVec(Vec3 v, float x, float y, float z)
{
    EXPECT_FLOAT_EQ(v.x, x);
    EXPECT_FLOAT_EQ(v.y, y);
    EXPECT_FLOAT_EQ(v.z, z);
}

TEST(Vec3, CrossIsRightHanded)
{
    expectVec(Vec3(1, 0, 0).cross(Vec3(0, 1, 0)), 0, 0, 1);
    expectVec(Vec3(-1, 0, 0).cross(Vec3(0, 1, 0)), 0, 0, -1);
}

TEST(Vec3, LengthAndNormalized)
{
    EXPECT_FLOAT_EQ(Vec3(3, 4, 0).length(), 5.0f);
    expectVec(Vec3(3, 4, 0).normalized(), 0.6f, 0.8f, 0.0f);
}

TEST(Vec3, OperatorsLeaveOperandsAlone)
{
    Vec3 a(0, 4, 0);
    Vec3 b(7.5f, 4, 0);
    expectVec(a - b, -7.5f, 0, 0);
    expectVec(a + b, 7.5f, 8, 0);
    expectVec(b * 2.0f, 15, 8, 0);
    expectVec(b / 2.0f, 3.75f, 2, 0);
    expectVec(a, 0, 4, 0);
    expectVec(b, 7.5f, 4, 0);
}

}  // namespace
