// Smooth vertex normals: the face normal from the stored corner order, the average around
// a shared vertex, each frame on its own, and (0, 0, 0) where there is no direction.
#include "Md2TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

ModelTriangle triangle(std::uint16_t a, std::uint16_t b, std::uint16_t c)
{
    return ModelTriangle{{a, b, c}, {0, 0, 0}};
}

void expectVec(Vec3 v, float x, float y, float z)
{
    EXPECT_NEAR(v.x, x, 1e-6f);
    EXPECT_NEAR(v.y, y, 1e-6f);
    EXPECT_NEAR(v.z, z, 1e-6f);
}

Vec3 normalOf(const Md2Model& model, int s, int f, int i)
{
    return model.sequenceFrames[s][static_cast<std::size_t>(f * model.numVertices + i)].normal;
}

void computeQuietly(Md2Model& model)
{
    testing::internal::CaptureStdout();
    model.computeLightNormals();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "computing the light normals.\n");
}

TEST(Md2LightNormals, SingleTriangleFacesAlongTheRightHandRule)
{
    const Vec3 corners[] = {Vec3(0, 0, 0), Vec3(1, 0, 0), Vec3(0, 1, 0)};
    Md2Model model = makeTestModel(3, {triangle(0, 1, 2)}, [&](int, int, int i) { return corners[i]; });
    computeQuietly(model);
    for (int i = 0; i < 3; ++i)
        expectVec(normalOf(model, 0, 0, i), 0, 0, 1);
}

TEST(Md2LightNormals, SharedVertexAveragesItsFaces)
{
    // Face cross products (0, 0, 2) and (0, 2, 0) around vertex 0.
    const Vec3 corners[] = {Vec3(0, 0, 0), Vec3(2, 0, 0), Vec3(0, 1, 0), Vec3(0, 0, 2), Vec3(1, 0, 0)};
    Md2Model model =
        makeTestModel(5, {triangle(0, 1, 2), triangle(0, 3, 4)}, [&](int, int, int i) { return corners[i]; });
    computeQuietly(model);
    const float h = 1.0f / std::sqrt(2.0f);
    expectVec(normalOf(model, 0, 0, 0), 0, h, h);
    expectVec(normalOf(model, 0, 0, 1), 0, 0, 1);
    expectVec(normalOf(model, 0, 0, 3), 0, 1, 0);
}

TEST(Md2LightNormals, EveryFrameOfEverySequenceHasItsOwnNormals)
{
    // Frame 5 of sequence 1 lies in the y-z plane, every other frame in the x-y plane.
    Md2Model model = makeTestModel(3, {triangle(0, 1, 2)}, [](int s, int f, int i) {
        const Vec3 flat[] = {Vec3(0, 0, 0), Vec3(1, 0, 0), Vec3(0, 1, 0)};
        const Vec3 upright[] = {Vec3(0, 0, 0), Vec3(0, 1, 0), Vec3(0, 0, 1)};
        return s == 1 && f == 5 ? upright[i] : flat[i];
    });
    computeQuietly(model);
    expectVec(normalOf(model, 1, 5, 0), 1, 0, 0);
    expectVec(normalOf(model, 1, 4, 0), 0, 0, 1);
    expectVec(normalOf(model, 1, 0, 2), 0, 0, 1);
    expectVec(normalOf(model, 19, 7, 1), 0, 0, 1);
}

TEST(Md2LightNormals, NormalsAreUnitLengthWhatever)
{
    Md2Model model = makeTestModel(4, {triangle(0, 1, 2), triangle(1, 3, 2)}, [](int s, int f, int i) {
        return Vec3(static_cast<float>(i * i + s), static_cast<float>(3 * i - f), static_cast<float>(i % 2 + f));
    });
    computeQuietly(model);
    for (int s = 0; s < SEQUENCE_COUNT; ++s)
        for (int f = 0; f < SEQUENCE_FRAME_COUNTS[s]; ++f)
            for (int i = 0; i < 4; ++i)
                EXPECT_NEAR(normalOf(model, s, f, i).length(), 1.0f, 1e-5f) << s << " " << f << " " << i;
}

TEST(Md2LightNormals, UnusedVertexGetsZeroNotNaN)
{
    const Vec3 corners[] = {Vec3(0, 0, 0), Vec3(1, 0, 0), Vec3(0, 1, 0), Vec3(5, 5, 5)};
    Md2Model model = makeTestModel(4, {triangle(0, 1, 2)}, [&](int, int, int i) { return corners[i]; });
    computeQuietly(model);
    expectVec(normalOf(model, 0, 0, 3), 0, 0, 0);
    expectVec(normalOf(model, 12, 18, 3), 0, 0, 0);
}

TEST(Md2LightNormals, CancellingFacesGiveZeroNotNaN)
{
    const Vec3 corners[] = {Vec3(0, 0, 0), Vec3(1, 0, 0), Vec3(0, 1, 0)};
    Md2Model model =
        makeTestModel(3, {triangle(0, 1, 2), triangle(0, 2, 1)}, [&](int, int, int i) { return corners[i]; });
    computeQuietly(model);
    for (int i = 0; i < 3; ++i)
        expectVec(normalOf(model, 0, 0, i), 0, 0, 0);
}

TEST(Md2LightNormals, DegenerateTriangleGivesZero)
{
    const Vec3 corners[] = {Vec3(0, 0, 0), Vec3(1, 1, 1), Vec3(2, 2, 2)};
    Md2Model model = makeTestModel(3, {triangle(0, 1, 2)}, [&](int, int, int i) { return corners[i]; });
    computeQuietly(model);
    expectVec(normalOf(model, 0, 0, 1), 0, 0, 0);
}

} // namespace
