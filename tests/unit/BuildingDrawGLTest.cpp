// A user's building on a real OpenGL context: a small room made in code (plain walls facing
// different ways, a textured wall with a cut-out corner, a glass pane, a one-sided and a
// double-sided pane seen from behind), drawn alone and through the program's own set-up, with
// the sky over it.
#include "GlContext.h"
#include "TgaBytes.h"
#include "app/building.h"
#include "app/callbacks.h"
#include "app/globals.h"
#include "app/scene.h"
#include "app/switches.h"
#include "building/draw/BuildingDraw.h"

#include <gtest/gtest.h>

namespace {

// A rectangle from `corner` along u and v, front side towards u x v, texture s along u, t along v.
void addWall(BuildingSurface& surface, Vec3 corner, Vec3 u, Vec3 v)
{
    const Vec3 n = u.cross(v).normalized();
    const Vec3 at[6] = {corner, corner + u, corner + u + v, corner, corner + u + v, corner + v};
    const float st[12] = {0, 0, 1, 0, 1, 1, 0, 0, 1, 1, 0, 1};
    for (int i = 0; i < 6; ++i) {
        surface.positions.insert(surface.positions.end(), {at[i].x, at[i].y, at[i].z});
        surface.normals.insert(surface.normals.end(), {n.x, n.y, n.z});
        surface.texCoords.insert(surface.texCoords.end(), {st[2 * i], st[2 * i + 1]});
    }
}

BuildingMaterial material(float r, float g, float b, float a, AlphaMode mode, bool doubleSided)
{
    BuildingMaterial m;
    const float colour[4] = {r, g, b, a};
    std::copy(colour, colour + 4, m.baseColour);
    m.alphaMode = mode;
    m.doubleSided = doubleSided;
    return m;
}

// 64 x 64 in four blocks: red, green (bottom), blue and a yellow that is cut out (top).
Image fourBlocks()
{
    Image image;
    image.components = 4;
    image.width = image.height = 64;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const int block = (y / 32) * 2 + x / 32;
            const std::uint8_t rgba[4][4] = {{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, {255, 255, 0, 0}};
            image.pixels.insert(image.pixels.end(), rgba[block], rgba[block] + 4);
        }
    return image;
}

// A room 10 wide, 6 high and 15 deep, seen from inside at (5, 3, 14) towards the back wall.
Building smallRoom()
{
    Building b;
    b.materials = {material(1, 1, 1, 1, AlphaMode::Opaque, false), material(1, 1, 1, 1, AlphaMode::Mask, false),
                   material(1, 0, 0, 0.5f, AlphaMode::Blend, false), material(1, 0, 1, 1, AlphaMode::Opaque, false),
                   material(0, 1, 0, 1, AlphaMode::Opaque, true)};
    b.materials[1].image = fourBlocks();
    b.surfaces.resize(5);
    for (int m = 0; m < 5; ++m)
        b.surfaces[std::size_t(m)].material = m;
    addWall(b.surfaces[0], Vec3(0, 0, 15), Vec3(0, 0, -15), Vec3(0, 6, 0));   // left, facing +x
    addWall(b.surfaces[0], Vec3(0, 0, 0), Vec3(10, 0, 0), Vec3(0, 6, 0));     // back, facing +z
    addWall(b.surfaces[0], Vec3(0, 0, 0), Vec3(0, 0, 15), Vec3(10, 0, 0));    // floor, facing up
    addWall(b.surfaces[1], Vec3(10, 0, 0), Vec3(0, 0, 8), Vec3(0, 6, 0));      // right, textured, facing -x
    addWall(b.surfaces[2], Vec3(4, 1, 3), Vec3(3, 0, 0), Vec3(0, 3, 0));      // glass, facing the eye
    addWall(b.surfaces[3], Vec3(1, 1, 5), Vec3(0, 3, 0), Vec3(2, 0, 0));      // one-sided, facing away
    addWall(b.surfaces[4], Vec3(6, 1, 5), Vec3(0, 3, 0), Vec3(2, 0, 0));      // double-sided, facing away
    b.low = Vec3(0, 0, 0);
    b.high = Vec3(10, 6, 15);
    b.start.eye = Vec3(5, 3, 14);
    b.start.lookAt = Vec3(5, 3, 0);
    return b;
}

struct Seen {
    const Picture& picture;
    Rgb at(Vec3 world) const
    {
        GLdouble model[16], projection[16], x, y, z;
        GLint viewport[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, model);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
        gluProject(world.x, world.y, world.z, model, projection, viewport, &x, &y, &z);
        EXPECT_TRUE(x >= 0 && x < picture.width && y >= 0 && y < picture.height) << x << ", " << y;
        return x >= 0 && x < picture.width && y >= 0 && y < picture.height ? picture.at(int(x), int(y)) : Rgb{};
    }
};

std::string text(Rgb c)
{
    return std::to_string(c.r) + " " + std::to_string(c.g) + " " + std::to_string(c.b);
}

bool grey(Rgb c)
{
    return c.r > 60 && c.r == c.g && c.g == c.b;
}

TEST(BuildingDrawGLTest, ShadesPicturesGlassAndSides)
{
    useGlContext();
    applySceneState();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, 640.0 / 480.0, 0.35, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(5, 3, 14, 5, 3, 0, 0, 1, 0);
    Building room = smallRoom();
    BuildingDrawing drawing;
    drawing.build(room, true, true);
    drawing.drawSolid(room);
    drawing.drawSeeThrough(room, Vec3(5, 3, 14));
    const Picture picture = readPicture();
    const Seen seen{picture};

    const Rgb left = seen.at(Vec3(0, 3, 3)), back = seen.at(Vec3(5, 5.5f, 0)), floor = seen.at(Vec3(5, 0, 6));
    EXPECT_TRUE(grey(left) && grey(back) && grey(floor)) << text(left) << ", " << text(back) << ", " << text(floor);
    EXPECT_GT(std::abs(left.r - back.r), 12) << text(left) << " against " << text(back);
    EXPECT_GT(std::abs(floor.r - back.r), 12) << text(floor) << " against " << text(back);
    EXPECT_GT(std::abs(floor.r - left.r), 12) << text(floor) << " against " << text(left);

    const Rgb red = seen.at(Vec3(10, 1.5f, 2)), green = seen.at(Vec3(10, 1.5f, 6));
    const Rgb blue = seen.at(Vec3(10, 4.5f, 2)), cut = seen.at(Vec3(10, 4.5f, 6));
    EXPECT_TRUE(red.r > 100 && red.g < 20 && red.b < 20) << text(red);
    EXPECT_TRUE(green.g > 100 && green.r < 20 && green.b < 20) << text(green);
    EXPECT_TRUE(blue.b > 100 && blue.r < 20 && blue.g < 20) << text(blue);
    EXPECT_EQ(cut.r + cut.g + cut.b, 0) << "the cut-out block shows " << text(cut);

    const Rgb glass = seen.at(Vec3(5.5f, 2.5f, 3));
    EXPECT_TRUE(glass.r > glass.g + 40 && glass.g == glass.b) << text(glass);
    EXPECT_NEAR(glass.g, back.g / 2, 2) << "half the wall behind the glass: " << text(glass);

    const Rgb oneSided = seen.at(Vec3(2, 2.5f, 5)), twoSided = seen.at(Vec3(7, 2.5f, 5));
    EXPECT_EQ(text(oneSided), text(back)) << "the back of a one-sided pane is drawn";
    EXPECT_TRUE(twoSided.g > 100 && twoSided.r < 20 && twoSided.b < 20) << text(twoSided);

    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    GLboolean depthWrites = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE) && glIsEnabled(GL_TEXTURE_2D) && depthWrites);
    EXPECT_FALSE(glIsEnabled(GL_BLEND) || glIsEnabled(GL_ALPHA_TEST) || glIsEnabled(GL_VERTEX_ARRAY) ||
                 glIsEnabled(GL_COLOR_ARRAY) || glIsEnabled(GL_TEXTURE_COORD_ARRAY));
    EXPECT_TRUE(colour[0] == 1 && colour[1] == 1 && colour[2] == 1 && colour[3] == 1);

    drawing.setFiltering(false, true);  // F4 to bilinear: the mipmaps stay, the filter follows
    GLint filter = 0;
    glBindTexture(GL_TEXTURE_2D, drawing.textures[1]);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(filter, GL_LINEAR_MIPMAP_NEAREST);
    EXPECT_EQ(drawing.textures[0], 0u) << "a plain material has no texture";
    drawing.release();
    if (HasFailure())
        picture.save(tempPath("building_draw_failure.ppm"));
}

}  // namespace

namespace {

// The program's own set-up and frame with the small room as the user's building.
TEST(BuildingDrawGLTest, ProgramShowsTheBuildingInPlaceOfOurHall)
{
    useGlContext();
    building = smallRoom();
    scene = &userBuilding;
    building.start.eye.y = 4.0f;
    building.start.lookAt.y = 4.0f;
    dataFolder = HALVANE_SOURCE_DIR "/bin/";
    testing::internal::CaptureStdout();
    setupScene();
    testing::internal::GetCapturedStdout();
    drawFrame();
    const Picture picture = readPicture();

    EXPECT_EQ(textureManager.textureCount, 1) << "only the character's skin";
    EXPECT_EQ(walls.vertexCount + ceiling.vertexCount, 0);
    EXPECT_EQ(startView.position.z, 14.0f);
    EXPECT_EQ(camera.viewPoint.z, 0.0f);
    const Md2Model& character = modelManager.models[characterModel];
    const Vec3 toEye = building.start.eye - character.position;
    EXPECT_FLOAT_EQ(character.position.y, 4.0f) << "our pilgrim's soles are 4 below its origin";
    EXPECT_NEAR(std::hypot(toEye.x, toEye.z), 5.0f, 0.01f);
    EXPECT_NEAR((character.viewVector.x * toEye.x + character.viewVector.z * toEye.z) / 5.0f, 1.0f, 1e-4f);
    const Seen seen{picture};
    const Rgb chest = seen.at(character.position - Vec3(0, 1.5f, 0));
    EXPECT_FALSE(grey(chest)) << "the character is not in sight: " << text(chest);

    // Over the back wall lies the sky, deeper blue higher up, where our hall has black.
    const Rgb low = seen.at(Vec3(5, 6.5f, 0)), high = seen.at(Vec3(5, 11.5f, 0));
    EXPECT_TRUE(low.b > low.r + 30 && high.b > high.r + 30 && low.r + low.g + low.b > 300) << text(low) << ", " << text(high);
    EXPECT_LT(high.r, low.r - 20) << text(high) << " over " << text(low);

    keyUp('4', 0, 0);
    EXPECT_EQ(level.roomCount, 0);
    EXPECT_STREQ(overlay.message, ROOMS_ONLY_IN_HALL);
    building.high.x = 1000.0f;
    EXPECT_GT(scene->farPlane(), 1000.0);
    if (HasFailure())
        picture.save(tempPath("building_program_failure.ppm"));
    // Our hall again for the tests that run after this one in the same process.
    buildingDrawing.release();
    building = Building();
    scene = &ourHall;
    solidWalls = false;
}

}  // namespace
