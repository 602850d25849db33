// Where the overlay's texts land on a 640 x 480 picture, read back from a real context.
#include "GlContext.h"
#include "math/FrameTimer.h"
#include "overlay/TextOverlay.h"

#include <gtest/gtest.h>

namespace {

struct Box {
    int left = 100000, right = -1, bottom = 100000, top = -1;
    bool empty() const { return right < 0; }
};

// The lit pixels inside the horizontal band [fromY, toY].
Box litBox(const Picture& picture, int fromY, int toY)
{
    Box box;
    for (int y = fromY; y <= toY; ++y)
        for (int x = 0; x < picture.width; ++x) {
            Rgb c = picture.at(x, y);
            if (c.r + c.g + c.b == 0)
                continue;
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.bottom = std::min(box.bottom, y);
            box.top = std::max(box.top, y);
        }
    return box;
}

class TextOverlayGLTest : public testing::Test {
protected:
    FrameTimer timer;
    TextOverlay overlay{&timer};

    Picture drawOnce()
    {
        useGlContext();
        applySceneState();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        overlay.draw();
        Picture picture = readPicture();
        if (testing::Test::HasFailure())
            picture.save("TextOverlayGLTest-failure.ppm");
        return picture;
    }
};

TEST_F(TextOverlayGLTest, HelpStartsAtThirtyThreeHundredAndRunsDownTenLines)
{
    overlay.setMessage(HELP_TEXT);
    Picture picture = drawOnce();
    Box first = litBox(picture, 296, 312);
    ASSERT_FALSE(first.empty());
    EXPECT_GE(first.left, 30);
    EXPECT_LE(first.left, 32);
    Box all = litBox(picture, 0, picture.height - 1);
    EXPECT_GE(all.bottom, 160);  // the tenth line stands at 165
    EXPECT_LE(all.bottom, 166);
    EXPECT_LE(all.top, 312);
}

TEST_F(TextOverlayGLTest, ModelInformationAndFrameRateHaveTheirOwnPlaces)
{
    overlay.showModelInfo = true;
    overlay.setModelInfo("md2modelinformation:\nposition:");
    timer.fpsEnabled = true;
    timer.frameDelay = 0.016f;
    timer.fps = 60.0f;
    timer.speedFactor = 1.0f;
    Picture picture = drawOnce();
    Box info = litBox(picture, 383, 412);
    ASSERT_FALSE(info.empty());
    EXPECT_GE(info.left, 30);
    EXPECT_LE(info.left, 32);
    Box rate = litBox(picture, 446, 462);
    ASSERT_FALSE(rate.empty());
    EXPECT_GE(rate.left, 10);
    EXPECT_LE(rate.left, 12);
    EXPECT_TRUE(litBox(picture, 0, 350).empty()) << "no message was set, yet something was drawn below";
}

TEST_F(TextOverlayGLTest, MessageIsDrawnOnExactlyFourHundredFrames)
{
    overlay.announce("Wireframe", true);
    for (int frame = 1; frame <= 400; ++frame) {
        ASSERT_NE(overlay.messageFrames, 0u) << "gone before frame " << frame;
        drawOnce();
    }
    EXPECT_EQ(overlay.messageFrames, 0u);
    EXPECT_TRUE(litBox(drawOnce(), 0, 479).empty());
}

TEST_F(TextOverlayGLTest, HelpCountWrapsInsteadOfEnding)
{
    overlay.setMessage(HELP_TEXT);
    overlay.messageFrames = MESSAGE_UNTIL_REPLACED;
    drawOnce();
    EXPECT_EQ(overlay.messageFrames, MESSAGE_UNTIL_REPLACED - 1);
}

// A wall right in front of the eye fills the depth buffer with near values, and the last
// texel the scene used is dark: the text must still come out white.
TEST_F(TextOverlayGLTest, TextStaysWhiteInFrontOfNearDarkGeometry)
{
    useGlContext();
    applySceneState();
    GLuint texture = 0;
    const GLubyte darkBlue[3] = {10, 40, 90};
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, darkBlue);
    glTexCoord2f(0.5f, 0.5f);
    glClearDepth(0.0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glClearDepth(1.0);
    overlay.setMessage("MMMMMMMM");
    overlay.draw();
    Picture picture = readPicture();
    int white = 0;
    for (int y = 290; y < 315; ++y)
        for (int x = 30; x < 110; ++x) {
            Rgb c = picture.at(x, y);
            white += c.r == 255 && c.g == 255 && c.b == 255;
        }
    EXPECT_GT(white, 40);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    glDeleteTextures(1, &texture);
    if (HasFailure())
        picture.save("TextOverlayGLTest-near-geometry.ppm");
}

TEST_F(TextOverlayGLTest, DrawingLeavesTheMatrixStacksAsTheyWere)
{
    useGlContext();
    GLint projectionDepth = 0, modelviewDepth = 0, mode = 0;
    overlay.setMessage("x");
    drawOnce();
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &projectionDepth);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &modelviewDepth);
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(projectionDepth, 1);
    EXPECT_EQ(modelviewDepth, 1);
    EXPECT_EQ(mode, GL_MODELVIEW);
}

}  // namespace
