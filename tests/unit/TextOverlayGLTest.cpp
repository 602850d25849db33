// Where the overlay's texts land on a 640 x 480 picture, read back from a real context.
#include "GlContext.h"
#include "math/FrameTimer.h"
#include "overlay/TextOverlay.h"

#include <GL/freeglut.h>
#include <functional>
#include <gtest/gtest.h>
#include <string>

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

// Every character the overlay can print (all but the line break and the end), in lines of 32 at
// the message's place, with the model information and the frame-rate line at theirs.
void showEveryCharacter(TextOverlay& overlay, FrameTimer& timer)
{
    std::string text;
    for (int c = 1, column = 0; c < 256; ++c) {
        if (c == '\n')
            continue;
        text += static_cast<char>(c);
        if (++column % 32 == 0)
            text += '\n';
    }
    overlay.setMessage(text.c_str());
    overlay.messageFrames = MESSAGE_UNTIL_REPLACED;
    overlay.showModelInfo = true;
    overlay.setModelInfo("md2modelinformation:\nposition:   1.500000   -2.250000   0.000000\nangle:      90.000000");
    timer.fpsEnabled = true;
    timer.frameDelay = 0.016f;
    timer.fps = 62.5f;
    timer.speedFactor = 0.96f;
}

// The overlay drawn by `draw` over a grey picture (so that a glyph's background must stay
// see-through) in an offscreen frame of the given size.
Picture drawOverGrey(int width, int height, const std::function<void()>& draw)
{
    OffscreenFrame frame(width, height);
    applySceneState();
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    draw();
    return frame.read();
}

int countWhite(const Picture& picture)
{
    int white = 0;
    for (std::size_t i = 0; i + 2 < picture.rgb.size(); i += 3)
        white += picture.rgb[i] == 255 && picture.rgb[i + 1] == 255 && picture.rgb[i + 2] == 255;
    return white;
}

struct WindowSize {
    int width, height;
};

class GlyphTextureGLTest : public testing::TestWithParam<WindowSize> {};

// GLUT's own 9 x 15 font, for which the glyph texture stands: each text where the overlay puts
// it, with glRasterPos2f and glutBitmapCharacter, white over its black shadow one pixel right
// and down.
void drawWithGlutFont(const TextOverlay& overlay, const FrameTimer& timer)
{
    char rate[FRAME_RATE_LINE_SIZE];
    formatFrameRate(rate, timer.frameDelay, timer.fps, timer.speedFactor);
    const struct {
        const char* text;
        float x, y;
    } texts[] = {{overlay.message, 30.0f, 300.0f}, {overlay.modelInfo, 30.0f, 400.0f}, {rate, 10.0f, 450.0f}};
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(0.0, 640.0, 0.0, 480.0);
    glMatrixMode(GL_MODELVIEW);
    for (const auto& text : texts)
        for (float lit = 0.0f; lit <= 1.0f; ++lit) {
            glColor3f(lit, lit, lit);
            const float x = text.x + 1.0f - lit;
            float y = text.y - 1.0f + lit;
            glRasterPos2f(x, y);
            for (const char* c = text.text; *c != '\0'; ++c)
                if (*c == '\n')
                    glRasterPos2f(x, y -= 15.0f);
                else
                    glutBitmapCharacter(GLUT_BITMAP_9_BY_15, static_cast<unsigned char>(*c));
        }
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}

// Below 1440 rows the texture must put the very pixels that GLUT's font puts, wherever the
// 640 x 480 system's positions fall between pixels.
TEST_P(GlyphTextureGLTest, TextureDrawsEveryCharacterOnTheSamePixelsAsGlut)
{
    const WindowSize size = GetParam();
    FrameTimer timer;
    TextOverlay overlay{&timer};
    showEveryCharacter(overlay, timer);
    const Picture glut = drawOverGrey(size.width, size.height, [&] { drawWithGlutFont(overlay, timer); });
    const Picture texture = drawOverGrey(size.width, size.height, [&] { overlay.draw(); });
    ASSERT_EQ(overlay.glyphs.scale, 1) << "below 1440 rows the letters keep their size";
    EXPECT_GT(countWhite(glut), 3000);
    int different = 0, firstX = -1, firstY = -1;
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) {
            const Rgb a = glut.at(x, y), b = texture.at(x, y);
            if (a.r == b.r && a.g == b.g && a.b == b.b)
                continue;
            if (different++ == 0)
                firstX = x, firstY = y;
        }
    EXPECT_EQ(different, 0) << "first at (" << firstX << ", " << firstY << ")";
    if (HasFailure()) {
        glut.save("GlyphTextureGLTest-glut.ppm");
        texture.save("GlyphTextureGLTest-texture.ppm");
    }
}

INSTANTIATE_TEST_SUITE_P(WindowSizes, GlyphTextureGLTest,
                         testing::Values(WindowSize{640, 480}, WindowSize{1366, 768}, WindowSize{1000, 701},
                                         WindowSize{2000, 1439}),
                         [](const testing::TestParamInfo<WindowSize>& size) {
                             return std::to_string(size.param.width) + "x" + std::to_string(size.param.height);
                         });

// From 1440 rows on, the overlay is the one of a window `scale` times smaller (the letters at
// their own size at 720 rows), every pixel a scale x scale block, and the scene's state comes
// back as it was. A page on a sharp screen (pixel ratio 2 or 3) grows its letters with it, as
// far as the overlay's 480 rows fit that many times (a phone held sideways: twice).
TEST(GlyphTextureMagnifiedGLTest, BigScreensShowTheSevenHundredTwentyRowOverlayEnlarged)
{
    const struct {
        int width, height, scale;
        float pixelRatio;
    } screens[] = {{2560, 1440, 2, 1.0f}, {1920, 1440, 2, 1.0f}, {3840, 2160, 3, 1.0f},
                   {1280, 960, 2, 2.0f},  {2532, 1026, 2, 3.0f}, {1170, 2460, 3, 3.0f}};
    for (const auto& screen : screens) {
        SCOPED_TRACE(std::to_string(screen.width) + "x" + std::to_string(screen.height));
        FrameTimer timer;
        TextOverlay overlay{&timer};
        showEveryCharacter(overlay, timer);
        const int smallWidth = screen.width / screen.scale, smallHeight = screen.height / screen.scale;
        const Picture small = drawOverGrey(smallWidth, smallHeight, [&] { overlay.draw(); });
        EXPECT_EQ(overlay.glyphs.scale, 1);
        overlay.pixelRatio = screen.pixelRatio;
        GLuint sceneTexture = 0;
        GLint bound = 0, projectionDepth = 0, modelviewDepth = 0;
        const Picture big = drawOverGrey(screen.width, screen.height, [&] {
            glGenTextures(1, &sceneTexture);
            glBindTexture(GL_TEXTURE_2D, sceneTexture);
            overlay.draw();
            glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
            glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &projectionDepth);
            glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &modelviewDepth);
            EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D) && glIsEnabled(GL_DEPTH_TEST) && glIsEnabled(GL_CULL_FACE));
            EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
        });
        glDeleteTextures(1, &sceneTexture);
        EXPECT_EQ(overlay.glyphs.scale, screen.scale);
        EXPECT_EQ(static_cast<GLuint>(bound), sceneTexture);
        EXPECT_EQ(projectionDepth, 1);
        EXPECT_EQ(modelviewDepth, 1);
        EXPECT_GT(countWhite(small), 3000);
        int different = 0;
        for (int y = 0; y < screen.height; ++y)
            for (int x = 0; x < screen.width; ++x) {
                const Rgb a = big.at(x, y), b = small.at(x / screen.scale, y / screen.scale);
                different += a.r != b.r || a.g != b.g || a.b != b.b;
            }
        EXPECT_EQ(different, 0);
        if (HasFailure())
            big.save("GlyphTextureMagnifiedGLTest-failure.ppm");
    }
}

}  // namespace
