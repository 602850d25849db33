// Drawing rooms on a real context: the wireframe line strip captured in feedback mode, the
// texture taken from the table slot, walls seen from inside and culled from outside, and a
// level without rooms that leaves OpenGL alone.
#include "GlContext.h"
#include "level/Level.h"
#include "texture/TextureManager.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

Room quietRoom(int n, Vec3 position, int slot)
{
    CaptureStdout();
    Room room(8, 8, 8, n, false, false, false, false, position, slot);
    GetCapturedStdout();
    return room;
}

void drainErrors()
{
    while (glGetError() != GL_NO_ERROR) {
    }
}

// A 2 x 2 texture of one colour, filtered without mipmaps so that it is complete.
GLuint makeSolidTexture(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    const std::uint8_t texels[12] = {r, g, b, r, g, b, r, g, b, r, g, b};
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, texels);
    glBindTexture(GL_TEXTURE_2D, 0);
    return name;
}

TextureManager tableWith(GLuint name)
{
    TextureManager textures;
    textures.allTextures[0] = name;
    textures.textureCount = 1;
    return textures;
}

void setOrtho(double left, double right, double bottom, double top)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(left, right, bottom, top, -100.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void lookFrom(Vec3 eye, Vec3 centre, double farPlane)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 640.0 / 480.0, 0.1, farPlane);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(eye.x, eye.y, eye.z, centre.x, centre.y, centre.z, 0.0, 1.0, 0.0);
}

struct FedVertex {
    double x, y, z;  // window coordinates
    float s, t;      // texture coordinates
};

struct Feedback {
    std::vector<GLfloat> raw;
    GLint used = 0;
};

// Runs the drawing in feedback mode, window coordinates with colour and texture per vertex.
template <typename Draw>
Feedback capture(Draw draw)
{
    Feedback fb;
    fb.raw.assign(20000, 0.0f);
    glFeedbackBuffer(static_cast<GLsizei>(fb.raw.size()), GL_3D_COLOR_TEXTURE, fb.raw.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    fb.used = glRenderMode(GL_RENDER);
    return fb;
}

// The line segments of a feedback buffer; fails on any other token.
std::vector<FedVertex> lineVertices(const Feedback& fb)
{
    std::vector<FedVertex> out;
    for (GLint i = 0; i < fb.used;) {
        const GLint token = static_cast<GLint>(fb.raw[i]);
        EXPECT_TRUE(token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) << "token " << token;
        if (token != GL_LINE_TOKEN && token != GL_LINE_RESET_TOKEN)
            break;
        for (int v = 0; v < 2; ++v) {
            const GLfloat* p = &fb.raw[i + 1 + v * 11];
            out.push_back(FedVertex{p[0], p[1], p[2], p[7], p[8]});
        }
        i += 1 + 2 * 11;
    }
    return out;
}

// World point of a window point under the current matrices.
Vec3 unproject(const FedVertex& v)
{
    GLdouble model[16], proj[16];
    GLint view[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, proj);
    glGetIntegerv(GL_VIEWPORT, view);
    GLdouble x, y, z;
    gluUnProject(v.x, v.y, v.z, model, proj, view, &x, &y, &z);
    return Vec3(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}

double windowDepthOf(Vec3 world)
{
    GLdouble model[16], proj[16];
    GLint view[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, proj);
    glGetIntegerv(GL_VIEWPORT, view);
    GLdouble x, y, z;
    gluProject(world.x, world.y, world.z, model, proj, view, &x, &y, &z);
    return z;
}

float depthAtCentre()
{
    GLfloat depth = 0.0f;
    glReadPixels(GL_TEST_WIDTH / 2, GL_TEST_HEIGHT / 2, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    return depth;
}

void clearFrame()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor3f(1.0f, 1.0f, 1.0f);
}

void expectNear(Vec3 got, Vec3 want, const std::string& where)
{
    EXPECT_NEAR(got.x, want.x, 1e-3) << where;
    EXPECT_NEAR(got.y, want.y, 1e-3) << where;
    EXPECT_NEAR(got.z, want.z, 1e-3) << where;
}

TEST(RoomGLTest, WireframeIsOneLineStripThroughTheCornersInStoreOrder)
{
    useGlContext();
    applySceneState();
    setOrtho(-1, 9, -1, 9);
    Room room = quietRoom(2, Vec3(0, 0, 0), 0);
    room.primitiveMode = GL_LINE_STRIP;
    const TextureManager textures = tableWith(0);
    const Feedback fb = capture([&] { room.draw(textures); });

    // One strip through c corners is c - 1 segments, each starting where the last one ended
    // (separate lines would give c / 2 segments, a loop c).
    const std::vector<FedVertex> ends = lineVertices(fb);
    const int corners = room.vertexCount / 4 * 3;  // 96: the normals are not vertices
    ASSERT_EQ(static_cast<int>(ends.size()), 2 * (corners - 1));
    const float pairs[6][2] = {{0, 0}, {0, 0.5f}, {0.5f, 0.5f}, {0, 0}, {0.5f, 0.5f}, {0.5f, 0}};
    for (int c = 0; c < corners; ++c) {
        const FedVertex& fed = c == 0 ? ends[0] : ends[static_cast<std::size_t>(2 * (c - 1) + 1)];
        const Vec3 want = room.vertices[static_cast<std::size_t>(c / 3 * 4 + c % 3 + 1)];
        expectNear(unproject(fed), want, "corner " + std::to_string(c));
        EXPECT_FLOAT_EQ(fed.s, pairs[c % 6][0]) << "corner " << c;
        EXPECT_FLOAT_EQ(fed.t, pairs[c % 6][1]) << "corner " << c;
        if (c > 0 && c < corners - 1)  // each inner corner also starts the next segment
            expectNear(unproject(ends[static_cast<std::size_t>(2 * c)]), want, "segment start " + std::to_string(c));
    }
}

TEST(RoomGLTest, RoomAtItsPositionDrawsTheLeftWallInItsPlane)
{
    useGlContext();
    applySceneState();
    setOrtho(-20, 0, -10, 10);
    Level level;
    CaptureStdout();
    level.makeRoom(8, 8, 8, 4, false, false, false, false, Vec3(-12, 0, -12), 0);
    GetCapturedStdout();
    level.setRoomPrimitiveMode(GL_LINE_STRIP);
    const TextureManager textures = tableWith(0);
    const Feedback fb = capture([&] { level.draw(textures); });

    const std::vector<FedVertex> ends = lineVertices(fb);
    ASSERT_EQ(ends.size(), 2u * 383u);
    for (std::size_t e = 0; e < 2 * 47; ++e) {  // the left wall's 48 corners
        const Vec3 world = unproject(ends[e]);
        EXPECT_NEAR(world.x, -12.0, 1e-3) << e;
        EXPECT_GE(world.z, -12.001f);
        EXPECT_LE(world.z, -3.999f);
    }
    EXPECT_NEAR(unproject(ends[2 * 192 - 1]).x, -4.0, 1e-3);  // first corner of the right wall
}

TEST(RoomGLTest, BindsTheNameTheTableHoldsNow)
{
    useGlContext();
    applySceneState();
    lookFrom(Vec3(1, 4, 4), Vec3(0, 4, 4), 100.0);
    Room room = quietRoom(4, Vec3(0, 0, 0), 0);
    const GLuint first = makeSolidTexture(200, 100, 50);
    TextureManager textures = tableWith(first);

    clearFrame();
    room.draw(textures);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), first);
    Picture before = readPicture();
    const Rgb centre = before.at(320, 240);
    EXPECT_NEAR(centre.r, 200, 2);
    EXPECT_NEAR(centre.g, 100, 2);
    EXPECT_NEAR(centre.b, 50, 2);

    // A rebuild deletes the texture and the slot gets a new name.
    glDeleteTextures(1, &first);
    const GLuint rebuilt = makeSolidTexture(40, 180, 90);
    textures.allTextures[0] = rebuilt;
    clearFrame();
    room.draw(textures);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), rebuilt);
    Picture after = readPicture();
    const Rgb now = after.at(320, 240);
    EXPECT_NEAR(now.r, 40, 2);
    EXPECT_NEAR(now.g, 180, 2);
    EXPECT_NEAR(now.b, 90, 2);
    if (HasFailure())
        after.save("RoomGLTest_rebuilt.ppm");
    glDeleteTextures(1, &rebuilt);
}

TEST(RoomGLTest, ASlotWithoutTextureBindsNone)
{
    useGlContext();
    applySceneState();
    setOrtho(-1, 9, -1, 9);
    const GLuint name = makeSolidTexture(10, 20, 30);
    glBindTexture(GL_TEXTURE_2D, name);
    const TextureManager textures = tableWith(name);
    for (int slot : {1, -1, MAX_TEXTURES + 5}) {
        Room room = quietRoom(1, Vec3(0, 0, 0), slot);
        room.draw(textures);
        GLint bound = -1;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_EQ(bound, 0) << "slot " << slot;
    }
    glDeleteTextures(1, &name);
}

// With the far plane short of the far walls, only the wall next to the eye can show: it is
// drawn when the eye is inside the room and culled when the eye is outside.
TEST(RoomGLTest, VisibleFromInsideCulledFromOutside)
{
    useGlContext();
    applySceneState();
    const GLuint name = makeSolidTexture(200, 100, 50);
    const TextureManager textures = tableWith(name);
    Room room = quietRoom(4, Vec3(0, 0, 0), 0);

    lookFrom(Vec3(1, 4, 4), Vec3(0, 4, 4), 5.0);
    clearFrame();
    room.draw(textures);
    Picture inside = readPicture();
    EXPECT_EQ(inside.countNonBlack(), GL_TEST_WIDTH * GL_TEST_HEIGHT);
    EXPECT_NEAR(inside.at(320, 240).r, 200, 2);
    if (HasFailure())
        inside.save("RoomGLTest_inside.ppm");

    lookFrom(Vec3(-1, 4, 4), Vec3(0, 4, 4), 5.0);
    clearFrame();
    room.draw(textures);
    Picture outside = readPicture();
    EXPECT_EQ(outside.countNonBlack(), 0);
    if (outside.countNonBlack() != 0)
        outside.save("RoomGLTest_outside.ppm");
    glDeleteTextures(1, &name);
}

// From outside, the near wall lets the room's far wall show through: the depth at the centre
// is the far wall's, not the near wall's.
TEST(RoomGLTest, FromOutsideOnlyWhatIsBehindIsDrawn)
{
    useGlContext();
    applySceneState();
    const GLuint name = makeSolidTexture(200, 100, 50);
    const TextureManager textures = tableWith(name);
    Room room = quietRoom(4, Vec3(0, 0, 0), 0);

    lookFrom(Vec3(-10, 4, 4), Vec3(4, 4, 4), 100.0);
    clearFrame();
    room.draw(textures);
    const double farWall = windowDepthOf(Vec3(8, 4, 4));
    const double nearWall = windowDepthOf(Vec3(0, 4, 4));
    ASSERT_GT(farWall - nearWall, 1e-3);
    EXPECT_NEAR(depthAtCentre(), farWall, 1e-4);
    Picture picture = readPicture();
    EXPECT_NEAR(picture.at(320, 240).r, 200, 2);
    if (HasFailure())
        picture.save("RoomGLTest_through.ppm");
    glDeleteTextures(1, &name);
}

// Calls other than vertex data inside glBegin/glEnd raise GL_INVALID_OPERATION, and vertices
// reach the feedback buffer: an empty level must cause neither.
TEST(RoomGLTest, EmptyLevelIssuesNoGlCall)
{
    useGlContext();
    applySceneState();
    setOrtho(-1, 9, -1, 9);
    const TextureManager textures = tableWith(0);
    Level empty;
    drainErrors();
    const Feedback fb = capture([&] {
        glBegin(GL_POINTS);
        empty.draw(textures);
        glEnd();
    });
    EXPECT_EQ(fb.used, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    // The probe does see a level with one room.
    Level one;
    CaptureStdout();
    one.makeRoom(8, 8, 8, 1, false, false, false, false, Vec3(0, 0, 0), 0);
    GetCapturedStdout();
    drainErrors();
    glBegin(GL_POINTS);
    one.draw(textures);
    glEnd();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_INVALID_OPERATION));
    drainErrors();
}

}  // namespace
