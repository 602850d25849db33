// Triangle normals (right-hand rule, the degenerate guard), the key item's solid and material presets.
#include "level/Material.h"
#include "level/Tetrahedron.h"
#include "level/Triangle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

namespace {

void expectVec(Vec3 v, float x, float y, float z)
{
    EXPECT_FLOAT_EQ(v.x, x);
    EXPECT_FLOAT_EQ(v.y, y);
    EXPECT_FLOAT_EQ(v.z, z);
}

void expectColour(const float* colour, float r, float g, float b, float a)
{
    EXPECT_EQ(colour[0], r);
    EXPECT_EQ(colour[1], g);
    EXPECT_EQ(colour[2], b);
    EXPECT_EQ(colour[3], a);
}

TEST(Triangle, NormalFollowsCornerOrder)
{
    expectVec(Triangle(Vec3(0, 0, 0), Vec3(0, 1, 0), Vec3(0, 1, 1)).normal, 1, 0, 0);
    expectVec(Triangle(Vec3(0, 0, 0), Vec3(0, 1, 1), Vec3(0, 1, 0)).normal, -1, 0, 0);
}

TEST(Triangle, KeyItemFacesGetTheirNormals)
{
    const Vec3 a(1, 0, -1), b(1, 0, 1), c(-1, 0, 0), d(0, 1, 0);
    const float r2 = 1.0f / std::sqrt(2.0f);
    const float r6 = 1.0f / std::sqrt(6.0f);
    expectVec(Triangle(a, c, b).normal, 0, 1, 0);
    expectVec(Triangle(a, d, b).normal, r2, r2, 0);
    expectVec(Triangle(c, d, a).normal, -r6, r6, -2 * r6);
    expectVec(Triangle(b, d, c).normal, -r6, r6, 2 * r6);
}

TEST(Triangle, DegenerateGetsZeroNormal)
{
    const Triangle cases[] = {
        Triangle(Vec3(0, 0, 0), Vec3(1, 1, 1), Vec3(2, 2, 2)),  // on one line
        Triangle(Vec3(3, 1, 2), Vec3(3, 1, 2), Vec3(0, 5, 0)),  // two corners equal
        Triangle(Vec3(4, 4, 4), Vec3(4, 4, 4), Vec3(4, 4, 4)),  // one point
    };
    for (const Triangle& t : cases)
        expectVec(t.normal, 0, 0, 0);
}

TEST(Triangle, NormalStaysUntilRecomputed)
{
    Triangle t(Vec3(0, 0, 0), Vec3(0, 1, 0), Vec3(0, 1, 1));
    std::swap(t.p1, t.p2);
    expectVec(t.normal, 1, 0, 0);
    t.computeNormal();
    expectVec(t.normal, -1, 0, 0);
}

TEST(Triangle, DefaultIsAllZeroAndTwelveFloats)
{
    static_assert(sizeof(Triangle) == 12 * sizeof(float), "corners and normal are packed");
    Triangle t;
    expectVec(t.p0, 0, 0, 0);
    expectVec(t.p2, 0, 0, 0);
    expectVec(t.normal, 0, 0, 0);
}

TEST(Tetrahedron, DefaultHasFourFacesDefaultMaterialAtOrigin)
{
    Tetrahedron solid;
    EXPECT_EQ(solid.faceCount, 4);
    expectVec(solid.faces[3].normal, 0, 0, 0);
    expectVec(solid.position, 0, 0, 0);
    expectColour(solid.material.specular, 1.0f, 1.0f, 1.0f, 1.0f);
}

TEST(Material, DefaultIsPresetZero)
{
    static_assert(sizeof(Material) == 12 * sizeof(float), "three colours of four floats, packed");
    Material m;
    expectColour(m.ambient, 0.2f, 0.2f, 0.2f, 1.0f);
    expectColour(m.diffuse, 0.2f, 0.2f, 0.2f, 1.0f);
    expectColour(m.specular, 1.0f, 1.0f, 1.0f, 1.0f);
}

TEST(Material, UnknownPresetKeepsTheCurrentOne)
{
    Material m;
    m.setPreset(1);
    m.setPreset(7);
    expectColour(m.ambient, 0.82f, 0.82f, 0.82f, 0.8f);
    expectColour(m.diffuse, 0.82f, 0.82f, 0.82f, 0.8f);
    expectColour(m.specular, 0.9f, 0.9f, 0.9f, 0.9f);
    m.setPreset(-1);
    expectColour(m.specular, 0.9f, 0.9f, 0.9f, 0.9f);
    m.setPreset(0);
    expectColour(m.ambient, 0.2f, 0.2f, 0.2f, 1.0f);
}

}  // namespace
