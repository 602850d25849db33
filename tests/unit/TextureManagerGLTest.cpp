// The texture table on a real OpenGL context: slots, console texts, the filters and mipmap
// levels OpenGL really holds, rebuilding with new filtering, a character and its skin replaced in
// their slots, and the refused files.
#include "texture/TextureManager.h"

#include "GlContext.h"
#include "Md2TestSupport.h"
#include "TgaBytes.h"
#include "data/LoadFailure.h"
#include "md2/ModelManager.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class TextureManagerGLTest : public testing::Test {
protected:
    TextureManager manager;

    void SetUp() override
    {
        useGlContext();
        applySceneState();
    }
    void TearDown() override { glDeleteTextures(manager.textureCount, manager.allTextures); }
};

std::string loadLines(const std::string& path, int slot, GLuint name)
{
    const std::string id = std::to_string(name);
    return "loading tga file: " + path + "\nbinding texture: id = " + id + "binding... allTextures[" +
           std::to_string(slot) + "] = " + id + "\n";
}

GLint boundParameter(GLenum parameter)
{
    GLint value = -1;
    glGetTexParameteriv(GL_TEXTURE_2D, parameter, &value);
    return value;
}

GLint boundLevelWidth(GLint level)
{
    GLint width = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
    return width;
}

GLuint boundTexture()
{
    GLint name = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
    return GLuint(name);
}

// The first texel of the bound texture's base level, as OpenGL holds it.
Rgb boundFirstTexel()
{
    GLint width = boundLevelWidth(0);
    GLint height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    std::vector<std::uint8_t> rgb(std::size_t(width) * std::size_t(height) * 3 + 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return Rgb{rgb[0], rgb[1], rgb[2]};
}

// Fills the window with the bound texture, so that an incomplete texture would show as not textured.
Rgb drawBoundTextureAndReadCentre()
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1, 0, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor3f(1, 1, 1);
    glBegin(GL_QUADS);  // counter-clockwise on screen: a back face, which the scene state draws
    glTexCoord2f(0, 0), glVertex2f(0, 0);
    glTexCoord2f(1, 0), glVertex2f(1, 0);
    glTexCoord2f(1, 1), glVertex2f(1, 1);
    glTexCoord2f(0, 1), glVertex2f(0, 1);
    glEnd();
    const Picture picture = readPicture();
    const Rgb centre = picture.at(GL_TEST_WIDTH / 2, GL_TEST_HEIGHT / 2);
    if (centre.r != 200 || centre.g != 30 || centre.b != 40)
        picture.save(tempPath("texture_filter_failure.ppm"));
    return centre;
}

void expectRgb(Rgb actual, int r, int g, int b)
{
    EXPECT_EQ(int(actual.r), r);
    EXPECT_EQ(int(actual.g), g);
    EXPECT_EQ(int(actual.b), b);
}

TEST_F(TextureManagerGLTest, FirstTwoLoadsFillSlotsZeroAndOne)
{
    const TempFile red("red.tga", solidTga(4, 4, 200, 30, 40));
    const TempFile blue("blue.tga", solidTga(4, 4, 10, 20, 250));
    testing::internal::CaptureStdout();
    const int first = manager.loadTexture(red.path.c_str(), true, true).slot;
    const int second = manager.loadTexture(blue.path.c_str(), true, true).slot;
    const std::string printed = testing::internal::GetCapturedStdout();

    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);
    EXPECT_EQ(manager.textureCount, 2);
    EXPECT_EQ(manager.fileNames[0], red.path);
    EXPECT_EQ(manager.fileNames[1], blue.path);
    EXPECT_NE(manager.allTextures[0], manager.allTextures[1]);
    EXPECT_TRUE(glIsTexture(manager.allTextures[0]));
    EXPECT_EQ(boundTexture(), manager.allTextures[1]);
    EXPECT_EQ(printed, loadLines(red.path, 0, manager.allTextures[0]) + loadLines(blue.path, 1, manager.allTextures[1]));
}

struct FilterCase {
    bool trilinear;
    bool mipmapping;
    GLint minFilter;
};

class TextureFilterGLTest : public TextureManagerGLTest, public testing::WithParamInterface<FilterCase> {};

TEST_P(TextureFilterGLTest, OpenGlHoldsTheFiltersAndLevelsAndDrawsTheTexture)
{
    const TempFile file("filtered.tga", solidTga(4, 4, 200, 30, 40));
    testing::internal::CaptureStdout();
    manager.loadTexture(file.path.c_str(), GetParam().trilinear, GetParam().mipmapping);
    testing::internal::GetCapturedStdout();

    EXPECT_EQ(boundParameter(GL_TEXTURE_MIN_FILTER), GetParam().minFilter);
    EXPECT_EQ(boundParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_EQ(boundLevelWidth(0), 4);
    EXPECT_EQ(boundLevelWidth(1), GetParam().mipmapping ? 2 : 0);
    EXPECT_EQ(boundLevelWidth(2), GetParam().mipmapping ? 1 : 0);
    expectRgb(boundFirstTexel(), 200, 30, 40);
    expectRgb(drawBoundTextureAndReadCentre(), 200, 30, 40);
}

INSTANTIATE_TEST_SUITE_P(FlagPairs, TextureFilterGLTest,
                         testing::Values(FilterCase{false, false, GL_LINEAR},
                                         FilterCase{false, true, GL_LINEAR_MIPMAP_NEAREST},
                                         FilterCase{true, true, GL_LINEAR_MIPMAP_LINEAR},
                                         FilterCase{true, false, GL_LINEAR}),
                         [](const testing::TestParamInfo<FilterCase>& row) {
                             return std::string(row.param.trilinear ? "Trilinear" : "Bilinear") +
                                    (row.param.mipmapping ? "Mipmapped" : "BaseLevelOnly");
                         });

// What the program prints when it refuses the file, as the start prints it before it ends
// with status 1: the loader's own lines, then the refusal.
std::string refusalPrinted(const std::function<TextureLoad()>& load)
{
    testing::internal::CaptureStdout();
    const TextureLoad refused = load();
    printLoadFailure(refused.failure);
    EXPECT_EQ(refused.slot, -1);
    return testing::internal::GetCapturedStdout();
}

TEST_F(TextureManagerGLTest, TwentiethLoadFitsTwentyFirstIsRefused)
{
    const TempFile file("tile.tga", solidTga(2, 2, 1, 2, 3));
    testing::internal::CaptureStdout();
    int slot = -1;
    for (int i = 0; i < MAX_TEXTURES; ++i)
        slot = manager.loadTexture(file.path.c_str(), false, false).slot;
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(slot, 19);
    EXPECT_EQ(manager.textureCount, 20);
    EXPECT_EQ(refusalPrinted([&] { return manager.loadTexture(file.path.c_str(), false, false); }),
              "Too many textures.\n");
    EXPECT_EQ(refusalPrinted([&] { return manager.loadSkin(file.path.c_str(), false, false); }),
              "Too many textures.\n");
    EXPECT_EQ(manager.textureCount, 20);
}

TEST_F(TextureManagerGLTest, ReloadAllKeepsSlotsAndFilesWithNewFiltering)
{
    const TempFile red("reload_red.tga", solidTga(4, 4, 200, 30, 40));
    const TempFile blue("reload_blue.tga", solidTga(4, 4, 10, 20, 250));
    testing::internal::CaptureStdout();
    manager.loadTexture(red.path.c_str(), true, true);
    manager.loadTexture(blue.path.c_str(), true, true);
    testing::internal::GetCapturedStdout();

    testing::internal::CaptureStdout();
    manager.reloadAll(false, false);
    const std::string printed = testing::internal::GetCapturedStdout();

    EXPECT_EQ(printed, "\nreloading:\n" + red.path + ":\n" + loadLines(red.path, 0, manager.allTextures[0]) +
                           blue.path + ":\n" + loadLines(blue.path, 1, manager.allTextures[1]));
    EXPECT_EQ(manager.textureCount, 2);
    EXPECT_FALSE(manager.reloading);
    EXPECT_EQ(manager.fileNames[0], red.path);
    EXPECT_EQ(manager.fileNames[1], blue.path);
    const Rgb colours[] = {{200, 30, 40}, {10, 20, 250}};
    for (int slot = 0; slot < 2; ++slot) {
        SCOPED_TRACE(slot);
        glBindTexture(GL_TEXTURE_2D, manager.allTextures[slot]);
        EXPECT_EQ(boundParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
        EXPECT_EQ(boundLevelWidth(1), 0);
        expectRgb(boundFirstTexel(), colours[slot].r, colours[slot].g, colours[slot].b);
    }
}

TEST_F(TextureManagerGLTest, ReloadAllOnEmptyTableOnlyAnnouncesIt)
{
    testing::internal::CaptureStdout();
    manager.reloadAll(true, true);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\nreloading:\n");
    EXPECT_EQ(manager.textureCount, 0);
    EXPECT_FALSE(manager.reloading);
}

TEST_F(TextureManagerGLTest, MissingFileIsRefusedNamingIt)
{
    const std::string path = tempPath("no_such_texture.tga");
    EXPECT_EQ(refusalPrinted([&] { return manager.loadTexture(path.c_str(), true, true); }),
              "cannot open TGA file " + path + " (No such file or directory)\n");
    EXPECT_EQ(manager.textureCount, 0);
}

TEST_F(TextureManagerGLTest, UnusableFileIsRefusedNamingIt)
{
    TgaHeaderBytes header;
    header.bits = 32;
    const TempFile file("alpha.tga", concat(header.bytes(), Bytes(16, 0)));
    EXPECT_EQ(refusalPrinted([&] { return manager.loadTexture(file.path.c_str(), true, true); }),
              "loading tga file: " + file.path + "\nTGA file " + file.path +
                  ": pixel depth is 32 bits; only 24-bit images are read\n");
    EXPECT_EQ(manager.textureCount, 0);
}

// The program ends with the refusal (a file gone since the start); the rebuild stops at it.
TEST_F(TextureManagerGLTest, FileGoneAtReloadIsRefusedNamingIt)
{
    const std::string path = tempPath("vanishing.tga");
    {
        const TempFile file("vanishing.tga", solidTga(2, 2, 9, 9, 9));
        testing::internal::CaptureStdout();
        manager.loadTexture(file.path.c_str(), true, true);
        testing::internal::GetCapturedStdout();
    }
    testing::internal::CaptureStdout();
    const std::string failure = manager.reloadAll(true, false);
    printLoadFailure(failure);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "\nreloading:\n" + path + ":\ncannot open TGA file " + path + " (No such file or directory)\n");
    EXPECT_FALSE(manager.reloading);
    EXPECT_EQ(manager.textureCount, 0);
}

// A dropped character's skin takes over the slot of the last one: the table keeps its size,
// the old texture goes back to OpenGL, and the slot shows the new picture, rebuilt as a skin.
TEST_F(TextureManagerGLTest, ASkinTakesOverAnotherSlotAndARefusedOneLeavesTheTable)
{
    const TempFile red("over_red.tga", solidTga(4, 4, 200, 30, 40));
    const TempFile blue("over_blue.tga", solidTga(4, 4, 10, 20, 250));
    const TempFile green("over_green.tga", solidTga(4, 4, 20, 240, 30));
    testing::internal::CaptureStdout();
    manager.loadTexture(red.path.c_str(), true, true);
    manager.loadTexture(blue.path.c_str(), true, true);
    const GLuint redName = manager.allTextures[0];
    const GLuint blueName = manager.allTextures[1];
    const TextureLoad load = manager.replaceSkin(0, green.path.c_str(), true, true);
    const GLuint greenName = manager.allTextures[0];
    const std::string printed = testing::internal::GetCapturedStdout();

    EXPECT_EQ(load.slot, 0);
    EXPECT_EQ(printed.substr(printed.rfind("loading")), "loading tga file: " + green.path + "\n" +
                                                           "binding texture: id = " + std::to_string(greenName) +
                                                           "binding... allTextures[2] = " + std::to_string(greenName) + "\n");
    EXPECT_EQ(manager.textureCount, 2);
    EXPECT_FALSE(glIsTexture(redName));
    EXPECT_EQ(manager.allTextures[1], blueName);
    EXPECT_EQ(manager.allTextures[2], 0u);
    EXPECT_EQ(manager.fileNames[0], green.path);
    EXPECT_TRUE(manager.fileNames[2].empty());
    EXPECT_TRUE(manager.anyPicture[0]);
    EXPECT_EQ(refusalPrinted([&] { return manager.replaceSkin(0, tempPath("no_such_skin.tga").c_str(), true, true); }),
              "cannot open TGA file " + tempPath("no_such_skin.tga") + " (No such file or directory)\n");
    EXPECT_EQ(manager.textureCount, 2);
    EXPECT_EQ(manager.allTextures[0], greenName);
    testing::internal::CaptureStdout();
    EXPECT_EQ(manager.reloadAll(true, true), "");
    testing::internal::GetCapturedStdout();
    glBindTexture(GL_TEXTURE_2D, manager.allTextures[0]);
    expectRgb(boundFirstTexel(), 20, 240, 30);
    EXPECT_EQ(manager.replaceSkin(-1, green.path.c_str(), true, true).slot, 2) << "no slot to take over";
    EXPECT_EQ(manager.replaceSkin(7, green.path.c_str(), true, true).slot, 3) << "slot 7 holds no texture";
    EXPECT_EQ(manager.textureCount, 4);
}

// A dropped character takes the old one's model slot, and from the second on its skin takes over
// the last one's texture slot; one refused for its model or its skin leaves both tables alone.
TEST_F(TextureManagerGLTest, AReplacedCharacterKeepsItsSlotAndARefusedOneLeavesTheOld)
{
    const Vec3 scale(1.0f, 1.0f, 1.0f);
    const std::string three = writeTestFile("replaced3.md2", makeTestFile(1, 3).bytes());
    const std::string four = writeTestFile("replaced4.md2", makeTestFile(1, 4).bytes());
    const TempFile red("skin_red.tga", solidTga(4, 4, 200, 30, 40));
    const TempFile blue("skin_blue.tga", solidTga(4, 4, 10, 20, 250));
    ModelManager models;
    testing::internal::CaptureStdout();
    models.loadModel(scale, three.c_str(), red.path.c_str(), manager);
    const ModelLoad first = models.replaceModel(0, -1, scale, four.c_str(), blue.path.c_str(), manager);
    EXPECT_EQ(first.slot, 0);
    EXPECT_EQ(models.modelCount, 1);
    EXPECT_EQ(models.models[0].numVertices, 4);
    EXPECT_EQ(models.models[0].texture, 1);
    EXPECT_EQ(manager.textureCount, 2);

    const std::string gone = tempPath("no_such_skin.tga");
    EXPECT_EQ(models.replaceModel(0, 1, scale, three.c_str(), gone.c_str(), manager).failure,
              "cannot open TGA file " + gone + " (No such file or directory)");
    EXPECT_EQ(models.replaceModel(0, 1, scale, tempPath("no_such.md2").c_str(), red.path.c_str(), manager).failure,
              "cannot open " + tempPath("no_such.md2"));
    EXPECT_EQ(models.replaceModel(1, 1, scale, three.c_str(), red.path.c_str(), manager).failure,
              "no model in slot 1 to replace");
    EXPECT_EQ(models.models[0].numVertices, 4);
    EXPECT_EQ(models.modelCount, 1);
    EXPECT_EQ(manager.textureCount, 2);

    const ModelLoad second = models.replaceModel(0, 1, scale, three.c_str(), red.path.c_str(), manager);
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(second.slot, 0);
    EXPECT_EQ(models.modelCount, 1);
    EXPECT_EQ(models.models[0].numVertices, 3);
    EXPECT_EQ(models.models[0].texture, 1);
    EXPECT_EQ(manager.textureCount, 2);
    EXPECT_EQ(manager.fileNames[1], red.path);
    EXPECT_NE(printed.find("\nloading model number 0: " + three + "\n"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("loading model number 1"), std::string::npos) << printed;
}

}  // namespace
