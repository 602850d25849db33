// The projection follows the window: 60 degrees from bottom to top at any width, so that the
// picture keeps its proportions; on a 4:3 screen it is exactly the start-up projection.
#include "GlContext.h"
#include "app/callbacks.h"
#include "app/globals.h"
#include "app/switches.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

namespace {

std::array<GLdouble, 16> projectionMatrix()
{
    std::array<GLdouble, 16> m{};
    glGetDoublev(GL_PROJECTION_MATRIX, m.data());
    return m;
}

GLint matrixMode()
{
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    return mode;
}

class ProjectionGLTest : public testing::Test {
protected:
    void SetUp() override
    {
        useGlContext();
        setProjection(640, 480);
        glMatrixMode(GL_MODELVIEW);
    }
    void TearDown() override { glViewport(0, 0, GL_TEST_WIDTH, GL_TEST_HEIGHT); }
};

TEST_F(ProjectionGLTest, FourThreeScreenKeepsTheStartUpProjection)
{
    const std::array<GLdouble, 16> startUp = projectionMatrix();
    reshape(1024, 768);
    EXPECT_EQ(projectionMatrix(), startUp);
    EXPECT_EQ(matrixMode(), GL_MODELVIEW);
    EXPECT_EQ(windowWidth, 1024);
    EXPECT_EQ(windowHeight, 768);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 1024);
    EXPECT_EQ(viewport[3], 768);
}

// Screens 4:3 and wider keep 60 degrees from bottom to top, as they always did; narrower ones
// (a phone held upright) keep the sides a 4:3 screen shows. With solid walls the near plane's
// corners stay within the visitor's reach of 0.7 on every one of them.
TEST_F(ProjectionGLTest, NarrowScreensKeepTheSidesOfFourThree)
{
    const double halfHeight60 = std::tan(30.0 * 3.14159265358979323846 / 180.0);
    const struct {
        int width, height;
    } screens[] = {{1024, 768}, {2560, 1080}, {1280, 1024}, {1000, 1000}, {1170, 2460}, {900, 2100}};
    for (bool solid : {false, true})
        for (const auto& screen : screens) {
            SCOPED_TRACE(std::to_string(screen.width) + "x" + std::to_string(screen.height));
            solidWalls = solid;
            reshape(screen.width, screen.height);
            const std::array<GLdouble, 16> m = projectionMatrix();
            const double aspect = double(screen.width) / screen.height;
            if (aspect >= 4.0 / 3.0) {
                EXPECT_NEAR(1.0 / m[5], halfHeight60, 1e-6);
            } else {
                EXPECT_NEAR(1.0 / m[0], halfHeight60 * 4.0 / 3.0, 1e-6);
            }
            const double nearPlane = m[14] / (m[10] - 1.0);
            const double reach = nearPlane * std::sqrt(1.0 + 1.0 / (m[0] * m[0]) + 1.0 / (m[5] * m[5]));
            if (solid) {
                EXPECT_LT(reach, 0.7) << "the near plane's corner";
            }
            EXPECT_NEAR(nearPlane / m[5], (solid ? 0.35 : 1.0) * halfHeight60, 1e-6) << "the near plane's height";
        }
    solidWalls = false;
}

// A minimised window reports a height (or width) of 0; the picture comes back as it was.
TEST_F(ProjectionGLTest, EmptyWindowKeepsTheLastProjection)
{
    reshape(1920, 1080);
    const std::array<GLdouble, 16> wide = projectionMatrix();
    reshape(1920, 0);
    reshape(0, 0);
    EXPECT_EQ(projectionMatrix(), wide);
    EXPECT_EQ(matrixMode(), GL_MODELVIEW);
}

}  // namespace
