// The feature switches as the keys reach them: what each flips, what it rebuilds or
// re-moded, and what it announces.
#include "GlContext.h"
#include "StdoutToStderr.h"
#include "TgaBytes.h"
#include "app/building.h"
#include "app/callbacks.h"
#include "app/globals.h"
#include "app/switches.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

namespace {

GLint minFilterOf(GLuint name)
{
    GLint filter = 0;
    glBindTexture(GL_TEXTURE_2D, name);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    return filter;
}

class SwitchesGLTest : public testing::Test {
protected:
    void SetUp() override
    {
        useGlContext();
        showHelp = wireframe = vertexArrays = displayLists = frustumCulling = transparency = false;
        showLightNormals = false;
        trilinear = mipmapping = true;
        overlay = TextOverlay(&frameTimer);
        textureManager = TextureManager();
        architectureMode = GL_QUADS;
        modelManager.modelCount = 2;
        for (Md2Model& model : modelManager.models) {
            model.primitiveMode = GL_TRIANGLES;
            model.showLightNormals = false;
        }
        characterModel = 0;
    }

    void TearDown() override { modelManager.modelCount = 0; }

    void release(int functionKey) { specialKeyUp(functionKey, 0, 0); }
};

TEST_F(SwitchesGLTest, HelpStaysUntilReplacedAndF1HidesIt)
{
    release(GLUT_KEY_F1);
    EXPECT_TRUE(showHelp);
    EXPECT_STREQ(overlay.message, HELP_TEXT);
    EXPECT_EQ(overlay.messageFrames, MESSAGE_UNTIL_REPLACED);
    release(GLUT_KEY_F6);
    EXPECT_STREQ(overlay.message, "Vertex Arrays is turned ON");
    EXPECT_EQ(overlay.messageFrames, 400u);
    EXPECT_TRUE(showHelp);
    release(GLUT_KEY_F1);
    EXPECT_FALSE(showHelp);
    EXPECT_EQ(overlay.messageFrames, 0u);
    release(GLUT_KEY_F1);
    EXPECT_EQ(overlay.messageFrames, MESSAGE_UNTIL_REPLACED);
}

TEST_F(SwitchesGLTest, WireframeSetsEveryDrawingModeAndBack)
{
    level.makeRoom(8, 8, 8, 1, false, false, false, false, Vec3(0, 0, 0), 0);
    release(GLUT_KEY_F3);
    EXPECT_EQ(architectureMode, static_cast<GLenum>(GL_LINE_STRIP));
    EXPECT_EQ(modelManager.models[0].primitiveMode, static_cast<GLenum>(GL_LINE_STRIP));
    EXPECT_EQ(modelManager.models[1].primitiveMode, static_cast<GLenum>(GL_LINE_STRIP));
    EXPECT_EQ(level.rooms[level.roomCount - 1]->primitiveMode, static_cast<GLenum>(GL_LINE_STRIP));
    EXPECT_EQ(buildingDrawing.mode, static_cast<GLenum>(GL_LINE_STRIP));
    EXPECT_STREQ(overlay.message, "Wireframe is turned ON");
    release(GLUT_KEY_F3);
    EXPECT_EQ(architectureMode, static_cast<GLenum>(GL_QUADS));
    EXPECT_EQ(modelManager.models[1].primitiveMode, static_cast<GLenum>(GL_TRIANGLES));
    EXPECT_EQ(level.rooms[level.roomCount - 1]->primitiveMode, static_cast<GLenum>(GL_TRIANGLES));
    EXPECT_EQ(buildingDrawing.mode, static_cast<GLenum>(GL_TRIANGLES));
    EXPECT_STREQ(overlay.message, "Wireframe is turned OFF");
}

TEST_F(SwitchesGLTest, MipmappingOffThenBilinearThenRefusal)
{
    TempFile tile("switch-tile.tga", solidTga(4, 4, 200, 100, 50));
    testing::internal::CaptureStdout();
    int slot = textureManager.loadTexture(tile.path.c_str(), true, true).slot;
    EXPECT_EQ(minFilterOf(textureManager.allTextures[slot]), GL_LINEAR_MIPMAP_LINEAR);

    release(GLUT_KEY_F5);
    EXPECT_FALSE(mipmapping);
    EXPECT_TRUE(trilinear);
    EXPECT_STREQ(overlay.message, "Mipmapping is turned OFF");
    EXPECT_EQ(minFilterOf(textureManager.allTextures[slot]), GL_LINEAR);

    release(GLUT_KEY_F4);
    EXPECT_FALSE(trilinear);
    EXPECT_STREQ(overlay.message, "Bilinear filtering");

    release(GLUT_KEY_F4);
    EXPECT_FALSE(trilinear);
    EXPECT_FALSE(mipmapping);
    EXPECT_STREQ(overlay.message, "Trilinear filtering without Mipmapping is not possible.");

    release(GLUT_KEY_F5);
    EXPECT_EQ(minFilterOf(textureManager.allTextures[slot]), GL_LINEAR_MIPMAP_NEAREST);
    release(GLUT_KEY_F4);
    EXPECT_STREQ(overlay.message, "Trilinear filtering");
    EXPECT_EQ(minFilterOf(textureManager.allTextures[slot]), GL_LINEAR_MIPMAP_LINEAR);
    std::string console = testing::internal::GetCapturedStdout();
    EXPECT_EQ(textureManager.textureCount, 1);
    EXPECT_NE(console.find("\nreloading:\n" + tile.path + ":\n"), std::string::npos) << console;
}

// A texture's file gone since the start ends the program with its line when F5 rebuilds it.
TEST_F(SwitchesGLTest, FileGoneAtTheRebuildEndsTheProgramNamingIt)
{
    {
        const TempFile file("switch-vanishing.tga", solidTga(2, 2, 9, 9, 9));
        testing::internal::CaptureStdout();
        textureManager.loadTexture(file.path.c_str(), true, true);
        testing::internal::GetCapturedStdout();
    }
    EXPECT_EXIT(
        {
            sendStdoutToStderr();
            release(GLUT_KEY_F5);
        },
        testing::ExitedWithCode(1), "\nreloading:\n.*switch-vanishing\\.tga:\ncannot open TGA file .*switch-vanishing\\.tga .*\n$");
}

TEST_F(SwitchesGLTest, AnnouncedOnlySwitchesChangeTheirMessageOnly)
{
    release(GLUT_KEY_F7);
    EXPECT_STREQ(overlay.message, "Display Lists is turned ON");
    release(GLUT_KEY_F8);
    EXPECT_STREQ(overlay.message, "Frustrum Culling is turned ON");
    release(GLUT_KEY_F9);
    EXPECT_STREQ(overlay.message, "Transparence is turned ON");
    release(GLUT_KEY_F9);
    EXPECT_STREQ(overlay.message, "Transparence is turned OFF");
    EXPECT_TRUE(displayLists && frustumCulling && !transparency);
    EXPECT_EQ(architectureMode, static_cast<GLenum>(GL_QUADS));
}

TEST_F(SwitchesGLTest, LightNormalsReachEveryModel)
{
    keyUp('1', 0, 0);
    EXPECT_TRUE(modelManager.models[0].showLightNormals);
    EXPECT_TRUE(modelManager.models[1].showLightNormals);
    EXPECT_STREQ(overlay.message, "Show Light Normals is turned ON");
    keyUp('1', 0, 0);
    EXPECT_FALSE(modelManager.models[1].showLightNormals);
}

TEST_F(SwitchesGLTest, ModelInformationIsASnapshotOfTheCharacter)
{
    characterModel = 1;
    Md2Model& model = modelManager.models[1];
    model.position.set(8.0f, 4.0f, 8.0f);
    model.angle = 90.0f;
    model.viewVector.set(0.0f, 0.0f, -1.0f);
    release(GLUT_KEY_F10);
    EXPECT_TRUE(overlay.showModelInfo);
    EXPECT_STREQ(overlay.modelInfo,
                 "md2modelinformation:\nposition:   8.000000   4.000000   8.000000\nangle:      90.000000\n"
                 "viewvector: 0.000000   0.000000   -1.000000");
    model.position.x = 20.0f;
    EXPECT_NE(std::string(overlay.modelInfo).find("8.000000   4.000000"), std::string::npos);
    release(GLUT_KEY_F10);
    EXPECT_FALSE(overlay.showModelInfo);
}

TEST_F(SwitchesGLTest, FrameRateAndUnusedKeys)
{
    release(GLUT_KEY_F2);
    EXPECT_TRUE(frameTimer.fpsEnabled);
    release(GLUT_KEY_F2);
    EXPECT_FALSE(frameTimer.fpsEnabled);
    release(GLUT_KEY_PAGE_UP);
    release(GLUT_KEY_END);
    release(GLUT_KEY_INSERT);
    EXPECT_EQ(overlay.messageFrames, 0u);
}

}  // namespace
