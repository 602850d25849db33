// The projection follows the window: 60 degrees from bottom to top at any width, so that the
// picture keeps its proportions; on a 4:3 screen it is exactly the start-up projection.
#include "GlContext.h"
#include "app/callbacks.h"
#include "app/globals.h"

#include <gtest/gtest.h>

#include <array>

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
