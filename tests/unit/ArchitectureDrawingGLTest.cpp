// Drawing architecture parts on a real OpenGL context: the picture of textured squares, and
// what was drawn per mode, captured with feedback mode.
#include "level/ArchitecturePart.h"

#include "GlContext.h"
#include "TgaBytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace {

// Built directly, not through the file parser, so that parts the loader would refuse (no
// records, records left over from the last quad) can still be drawn here.
ArchitecturePart partFrom(const std::string& text)
{
    std::istringstream numbers(text);
    ArchitecturePart part;
    float record[5];
    while (numbers >> record[0] >> record[1] >> record[2] >> record[3] >> record[4]) {
        part.vertices.insert(part.vertices.end(), record, record + 3);
        part.texCoords.insert(part.texCoords.end(), record + 3, record + 5);
        ++part.vertexCount;
    }
    return part;
}

GLuint makeTexture(int width, int height, const Bytes& rgb)
{
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return name;
}

class ArchitectureDrawingGLTest : public testing::Test {
protected:
    // The world from (0, 0) to (2, 1) fills the window: x 0..1 is the left half.
    void SetUp() override
    {
        useGlContext();
        applySceneState();
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, 2, 0, 1, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glColor3f(1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
};

const std::string LEFT_SQUARE = "0 0 0 0 0\n1 0 0 1 0\n1 1 0 1 1\n0 1 0 0 1\n";
const std::string RIGHT_SQUARE = "1 0 0 0 0\n2 0 0 1 0\n2 1 0 1 1\n1 1 0 0 1\n";

bool sameRgb(Rgb a, Rgb b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

TEST_F(ArchitectureDrawingGLTest, TexturedSquaresShowTheirTexels)
{
    // Bottom row red, green; top row blue, white: each quarter of the wall square shows one texel.
    const GLuint wallsTexture = makeTexture(2, 2, {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255});
    const GLuint ceilingTexture = makeTexture(1, 1, {255, 255, 0});
    const ArchitecturePart walls = partFrom(LEFT_SQUARE);
    const ArchitecturePart ceiling = partFrom(RIGHT_SQUARE);

    drawArchitecture(walls, wallsTexture, ceiling, ceilingTexture, GL_QUADS);
    const Picture picture = readPicture();

    const struct {
        int x, y;
        Rgb colour;
    } expected[] = {{80, 120, {255, 0, 0}},    {240, 120, {0, 255, 0}},     {80, 360, {0, 0, 255}},
                    {240, 360, {255, 255, 255}}, {480, 240, {255, 255, 0}}, {630, 470, {255, 255, 0}}};
    bool allMatch = true;
    for (const auto& point : expected) {
        const Rgb actual = picture.at(point.x, point.y);
        EXPECT_TRUE(sameRgb(actual, point.colour)) << "at " << point.x << ", " << point.y << ": " << int(actual.r)
                                                   << " " << int(actual.g) << " " << int(actual.b);
        allMatch = allMatch && sameRgb(actual, point.colour);
    }
    if (!allMatch)
        picture.save(tempPath("architecture_drawing_failure.ppm"));

    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(GLuint(bound), ceilingTexture);
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
    const GLuint textures[] = {wallsTexture, ceilingTexture};
    glDeleteTextures(2, textures);
}

// What feedback mode reports for one drawing: polygons with their area in window pixels, and line segments.
struct Feedback {
    int polygons = 0;
    double polygonArea = 0;
    std::vector<std::vector<float>> segments;  // x0 y0 x1 y1 in window pixels
};

Feedback capture(const ArchitecturePart& walls, const ArchitecturePart& ceiling, GLenum mode)
{
    std::vector<GLfloat> buffer(4096);
    glFeedbackBuffer(GLsizei(buffer.size()), GL_2D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    drawArchitecture(walls, 0, ceiling, 0, mode);
    const GLint size = glRenderMode(GL_RENDER);
    EXPECT_GE(size, 0);

    Feedback feedback;
    for (GLint i = 0; i < size;) {
        const GLint token = GLint(buffer[std::size_t(i++)]);
        if (token == GL_POLYGON_TOKEN) {
            const GLint count = GLint(buffer[std::size_t(i++)]);
            double twiceArea = 0;
            for (GLint k = 0; k < count; ++k) {
                const GLfloat* a = &buffer[std::size_t(i + 2 * k)];
                const GLfloat* b = &buffer[std::size_t(i + 2 * ((k + 1) % count))];
                twiceArea += double(a[0]) * b[1] - double(b[0]) * a[1];
            }
            feedback.polygonArea += std::fabs(twiceArea) / 2;
            ++feedback.polygons;
            i += 2 * count;
        } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            feedback.segments.push_back(
                std::vector<float>(buffer.begin() + std::ptrdiff_t(i), buffer.begin() + std::ptrdiff_t(i + 4)));
            i += 4;
        } else {
            ADD_FAILURE() << "unexpected feedback token " << token;
            break;
        }
    }
    return feedback;
}

// Two small squares in the wall part; the ceiling part has one square and two records left over.
const std::string TWO_WALL_QUADS = "0 0 0 0 0\n0.5 0 0 1 0\n0.5 0.5 0 1 1\n0 0.5 0 0 1\n"
                                   "0.5 0.5 0 0 0\n1 0.5 0 1 0\n1 1 0 1 1\n0.5 1 0 0 1\n";
const std::string CEILING_WITH_LEFTOVER = RIGHT_SQUARE + "1 0 0 0 0\n2 0 0 1 0\n";

TEST_F(ArchitectureDrawingGLTest, QuadsModeDrawsEveryFullGroupOfFour)
{
    const Feedback feedback = capture(partFrom(TWO_WALL_QUADS), partFrom(CEILING_WITH_LEFTOVER), GL_QUADS);
    // Two 160 x 240 wall squares and one 320 x 480 ceiling square; the leftover two records draw nothing.
    EXPECT_NEAR(feedback.polygonArea, 2 * 160.0 * 240.0 + 320.0 * 480.0, 1.0);
    EXPECT_TRUE(feedback.polygons == 3 || feedback.polygons == 6) << feedback.polygons;  // quads, or halves
    EXPECT_TRUE(feedback.segments.empty());
}

TEST_F(ArchitectureDrawingGLTest, LineStripModeDrawsOneStripPerPart)
{
    const Feedback feedback = capture(partFrom(TWO_WALL_QUADS), partFrom(CEILING_WITH_LEFTOVER), GL_LINE_STRIP);
    EXPECT_EQ(feedback.polygons, 0);
    // 8 wall records give 7 segments, 6 ceiling records 5: nothing joins the two parts.
    ASSERT_EQ(feedback.segments.size(), 7u + 5u);
    const auto expectSegment = [&feedback](std::size_t index, float x0, float y0, float x1, float y1) {
        SCOPED_TRACE(index);
        const std::vector<float>& segment = feedback.segments[index];
        EXPECT_NEAR(segment[0], x0, 0.01);
        EXPECT_NEAR(segment[1], y0, 0.01);
        EXPECT_NEAR(segment[2], x1, 0.01);
        EXPECT_NEAR(segment[3], y1, 0.01);
    };
    expectSegment(0, 0, 0, 160, 0);
    expectSegment(3, 0, 240, 160, 240);  // the last corner of the first square to the first of the second
    expectSegment(6, 320, 480, 160, 480);
    expectSegment(7, 320, 0, 640, 0);  // the ceiling's strip starts afresh
    expectSegment(11, 320, 0, 640, 0);
}

TEST_F(ArchitectureDrawingGLTest, EmptyPartDrawsNothing)
{
    const Feedback feedback = capture(partFrom(""), partFrom(RIGHT_SQUARE), GL_QUADS);
    EXPECT_NEAR(feedback.polygonArea, 320.0 * 480.0, 1.0);
    const Feedback nothing = capture(partFrom(""), partFrom(""), GL_LINE_STRIP);
    EXPECT_EQ(nothing.polygons + int(nothing.segments.size()), 0);
}

}  // namespace
