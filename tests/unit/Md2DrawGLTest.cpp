// Drawing a model, captured with OpenGL feedback mode: which frame is drawn, the blend of
// two frames, texture coordinates by their own index, the wireframe strip, the normal
// lines, the placement, the skin found through the texture table, and the matrix stack.
#include "GlContext.h"
#include "Md2TestSupport.h"
#include "texture/TextureManager.h"

#include <gtest/gtest.h>

namespace {

struct FedVertex {
    Vec3 position;
    float s;
    float t;
};

struct FedPrimitive {
    GLenum token;
    std::vector<FedVertex> vertices;
};

// Window coordinates of the test's projection back to model coordinates.
FedVertex decodeVertex(const GLfloat* v)
{
    // x, y, z, then RGBA, then s, t, r, q.
    return FedVertex{Vec3(v[0] - 100.0f, v[1] - 100.0f, 100.0f * (1.0f - 2.0f * v[2])), v[7], v[8]};
}

std::vector<FedPrimitive> parseFeedback(const std::vector<GLfloat>& buffer, GLint count)
{
    constexpr int VERTEX_FLOATS = 11;
    std::vector<FedPrimitive> primitives;
    for (GLint i = 0; i < count;) {
        const GLenum token = static_cast<GLenum>(buffer[static_cast<std::size_t>(i++)]);
        int vertexCount = 0;
        if (token == GL_POLYGON_TOKEN)
            vertexCount = static_cast<int>(buffer[static_cast<std::size_t>(i++)]);
        else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN)
            vertexCount = 2;
        else if (token == GL_POINT_TOKEN)
            vertexCount = 1;
        else
            ADD_FAILURE() << "unexpected feedback token " << token;
        FedPrimitive primitive{token, {}};
        for (int k = 0; k < vertexCount; ++k, i += VERTEX_FLOATS)
            primitive.vertices.push_back(decodeVertex(&buffer[static_cast<std::size_t>(i)]));
        primitives.push_back(primitive);
    }
    return primitives;
}

// 200 x 200 window units for -100..100 model units, so window x = model x + 100.
void useFeedbackView()
{
    useGlContext();
    glViewport(0, 0, 200, 200);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-100.0, 100.0, -100.0, 100.0, -100.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_CULL_FACE);
    glEnable(GL_TEXTURE_2D);
}

struct Drawn {
    std::vector<FedPrimitive> primitives;
    std::string printed;
};

Drawn drawInFeedback(Md2Model& model, const TextureManager& textures)
{
    std::vector<GLfloat> buffer(1 << 16);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    testing::internal::CaptureStdout();
    model.draw(textures);
    Drawn drawn;
    drawn.printed = testing::internal::GetCapturedStdout();
    const GLint count = glRenderMode(GL_RENDER);
    EXPECT_GE(count, 0) << "feedback buffer overflow";
    drawn.primitives = parseFeedback(buffer, count);
    return drawn;
}

Vec3 positionOf(int s, int f, int i)
{
    return Vec3(static_cast<float>(f - 20 + i), static_cast<float>(2 * i + 1 + s), 0.5f * static_cast<float>(f) - static_cast<float>(i));
}

Vec3 normalOf(int f, int i)
{
    return Vec3(0.1f * static_cast<float>(f), static_cast<float>(i), 1.0f);
}

// Four vertices, two triangles whose texture-coordinate indices differ from their vertex indices.
Md2Model makeDrawModel()
{
    testing::internal::CaptureStdout();
    Md2Model model = makeTestModel(4, {ModelTriangle{{0, 1, 2}, {3, 2, 1}}, ModelTriangle{{1, 3, 2}, {0, 1, 3}}},
                                   positionOf);
    testing::internal::GetCapturedStdout();
    for (int s = 0; s < SEQUENCE_COUNT; ++s)
        for (std::size_t r = 0; r < model.sequenceFrames[s].size(); ++r)
            model.sequenceFrames[s][r].normal = normalOf(static_cast<int>(r / 4), static_cast<int>(r % 4));
    model.numTexCoords = 4;
    model.texCoords = {{0.1f, 0.2f}, {0.3f, 0.4f}, {0.5f, 0.6f}, {0.7f, 0.8f}};
    return model;
}

Vec3 mix(Vec3 a, Vec3 b, float weightOfB)
{
    return a * (1.0f - weightOfB) + b * weightOfB;
}

void expectNear(Vec3 actual, Vec3 expected, const std::string& where)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-3f) << where;
    EXPECT_NEAR(actual.y, expected.y, 1e-3f) << where;
    EXPECT_NEAR(actual.z, expected.z, 1e-3f) << where;
}

Vec3 currentNormal()
{
    GLfloat n[3];
    glGetFloatv(GL_CURRENT_NORMAL, n);
    return Vec3(n[0], n[1], n[2]);
}

// The two triangles as filled polygons, with positions blended between frames f and f + b.
void expectTriangles(const Md2Model& model, const std::vector<FedPrimitive>& primitives, int s, int f, int next,
                     float b)
{
    ASSERT_GE(primitives.size(), 2u);
    for (std::size_t t = 0; t < 2; ++t) {
        ASSERT_EQ(primitives[t].token, static_cast<GLenum>(GL_POLYGON_TOKEN));
        ASSERT_EQ(primitives[t].vertices.size(), 3u);
        for (int c = 0; c < 3; ++c) {
            const int i = model.triangles[t].vertexIndices[c];
            const TexCoord& tc = model.texCoords[model.triangles[t].texCoordIndices[c]];
            const FedVertex& v = primitives[t].vertices[static_cast<std::size_t>(c)];
            const std::string where = "triangle " + std::to_string(t) + " corner " + std::to_string(c);
            expectNear(v.position, mix(positionOf(s, f, i), positionOf(s, next, i), b), where);
            EXPECT_FLOAT_EQ(v.s, tc.s) << where;
            EXPECT_FLOAT_EQ(v.t, tc.t) << where;
        }
    }
}

class Md2DrawGLTest : public testing::Test {
protected:
    void SetUp() override { useFeedbackView(); }

    TextureManager textures;
    Md2Model model = makeDrawModel();
};

TEST_F(Md2DrawGLTest, WholeFramePositionDrawsThatFrame)
{
    model.framePosition = 2.0f;
    const Drawn drawn = drawInFeedback(model, textures);
    EXPECT_EQ(drawn.printed, "going to draw animation sequence 0. frame 2.");
    ASSERT_EQ(drawn.primitives.size(), 2u);
    expectTriangles(model, drawn.primitives, 0, 2, 2, 0.0f);
    // The last corner sent is vertex 2 of the second triangle.
    expectNear(currentNormal(), normalOf(2, 2), "normal");
}

TEST_F(Md2DrawGLTest, QuarterFrameBlendsPositionsAndNormals)
{
    model.framePosition = 2.25f;
    const Drawn drawn = drawInFeedback(model, textures);
    EXPECT_EQ(drawn.printed, "going to draw animation sequence 0. frame 2.");
    ASSERT_EQ(drawn.primitives.size(), 2u);
    expectTriangles(model, drawn.primitives, 0, 2, 3, 0.25f);
    expectNear(currentNormal(), mix(normalOf(2, 2), normalOf(3, 2), 0.25f), "normal");
}

TEST_F(Md2DrawGLTest, LastFrameBlendsWithItself)
{
    model.framePosition = 39.5f;
    const Drawn drawn = drawInFeedback(model, textures);
    ASSERT_EQ(drawn.primitives.size(), 2u);
    expectTriangles(model, drawn.primitives, 0, 39, 39, 0.5f);
    expectNear(currentNormal(), normalOf(39, 2), "normal");
}

TEST_F(Md2DrawGLTest, OtherSequencesDrawTheirOwnFrames)
{
    model.sequence = 16;
    model.framePosition = 4.0f;
    const Drawn drawn = drawInFeedback(model, textures);
    EXPECT_EQ(drawn.printed, "going to draw animation sequence 16. frame 4.");
    expectTriangles(model, drawn.primitives, 16, 4, 4, 0.0f);
}

TEST_F(Md2DrawGLTest, PastTheEndPrintsFirstThenDrawsFrame0)
{
    model.framePosition = 40.0f;
    const Drawn drawn = drawInFeedback(model, textures);
    EXPECT_EQ(drawn.printed, "going to draw animation sequence 0. frame 40.");
    EXPECT_EQ(model.framePosition, 0.0f);
    expectTriangles(model, drawn.primitives, 0, 0, 0, 0.0f);
}

TEST_F(Md2DrawGLTest, WireframeIsOneContinuousLineStrip)
{
    model.primitiveMode = GL_LINE_STRIP;
    model.framePosition = 5.0f;
    const Drawn drawn = drawInFeedback(model, textures);
    // Six corners joined by five segments, each starting where the one before ended.
    ASSERT_EQ(drawn.primitives.size(), 5u);
    const int order[] = {0, 1, 2, 1, 3, 2};
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_NE(drawn.primitives[k].token, static_cast<GLenum>(GL_POLYGON_TOKEN));
        expectNear(drawn.primitives[k].vertices[0].position, positionOf(0, 5, order[k]), "start " + std::to_string(k));
        expectNear(drawn.primitives[k].vertices[1].position, positionOf(0, 5, order[k + 1]), "end " + std::to_string(k));
    }
}

// Two vertices per triangle corner, from the whole frame even while blending.
void expectNormalLines(const std::vector<FedPrimitive>& lines, const Md2Model& model, int f)
{
    std::size_t vertices = 0;
    for (const FedPrimitive& line : lines)
        vertices += line.vertices.size();
    EXPECT_EQ(vertices, 6u * static_cast<std::size_t>(model.numTriangles));
    ASSERT_EQ(lines.size(), 6u);
    for (std::size_t k = 0; k < 6; ++k) {
        const int i = model.triangles[k / 3].vertexIndices[k % 3];
        EXPECT_NE(lines[k].token, static_cast<GLenum>(GL_POLYGON_TOKEN));
        expectNear(lines[k].vertices[0].position, positionOf(0, f, i), "line " + std::to_string(k));
        expectNear(lines[k].vertices[1].position, positionOf(0, f, i) + normalOf(f, i), "tip " + std::to_string(k));
    }
}

TEST_F(Md2DrawGLTest, LightNormalsAreLinesFromEachCorner)
{
    model.showLightNormals = true;
    model.framePosition = 6.25f;
    const Drawn drawn = drawInFeedback(model, textures);
    ASSERT_EQ(drawn.primitives.size(), 8u);
    expectNormalLines({drawn.primitives.begin() + 2, drawn.primitives.end()}, model, 6);
}

TEST_F(Md2DrawGLTest, LightNormalsAlsoInWireframe)
{
    model.showLightNormals = true;
    model.primitiveMode = GL_LINE_STRIP;
    model.framePosition = 1.0f;
    const Drawn drawn = drawInFeedback(model, textures);
    ASSERT_EQ(drawn.primitives.size(), 11u);
    expectNormalLines({drawn.primitives.begin() + 5, drawn.primitives.end()}, model, 1);
}

TEST_F(Md2DrawGLTest, PlacedAtItsPositionAndTurnedByItsAngle)
{
    model.position = Vec3(10.0f, 5.0f, -3.0f);
    model.angle = 90.0f;
    GLint depthBefore = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);
    const Drawn drawn = drawInFeedback(model, textures);
    GLint depthAfter = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
    EXPECT_EQ(depthAfter, depthBefore);
    GLfloat matrix[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(matrix[k], k % 5 == 0 ? 1.0f : 0.0f) << "modelview entry " << k;
    ASSERT_EQ(drawn.primitives.size(), 2u);
    // A quarter turn about +y takes (x, y, z) to (z, y, -x).
    const Vec3 p = positionOf(0, 0, 0);
    expectNear(drawn.primitives[0].vertices[0].position, Vec3(p.z, p.y, -p.x) + model.position, "turned corner");
}

TEST_F(Md2DrawGLTest, BindsTheSkinByItsTableSlotAfterEveryRebuild)
{
    GLuint names[2];
    glGenTextures(2, names);
    textures.allTextures[1] = names[0];
    model.texture = 1;
    drawInFeedback(model, textures);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), names[0]);
    // A rebuild gives the slot a new OpenGL name; the model follows it.
    textures.allTextures[1] = names[1];
    drawInFeedback(model, textures);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), names[1]);
    glDeleteTextures(2, names);
}

TEST_F(Md2DrawGLTest, SendsItsMaterialToTheFrontFaces)
{
    model.material.setPreset(1);
    drawInFeedback(model, textures);
    GLfloat ambient[4], diffuse[4], specular[4];
    glGetMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    glGetMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    for (int k = 0; k < 4; ++k) {
        EXPECT_FLOAT_EQ(ambient[k], model.material.ambient[k]);
        EXPECT_FLOAT_EQ(diffuse[k], model.material.diffuse[k]);
        EXPECT_FLOAT_EQ(specular[k], model.material.specular[k]);
    }
    GLint shading = 0;
    glGetIntegerv(GL_SHADE_MODEL, &shading);
    EXPECT_EQ(shading, GL_SMOOTH);
}

} // namespace
