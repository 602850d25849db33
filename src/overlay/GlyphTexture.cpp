#include "overlay/GlyphTexture.h"

#include "overlay/Glyphs9x15.h"
#include "platform/Gl.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int OVERLAY_WIDTH = 640;
constexpr int OVERLAY_HEIGHT = 480;
// Rows of window that hold one magnification step of the letters.
constexpr int ROWS_PER_SCALE = 720;
constexpr int FIRST_SCALED_HEIGHT = 2 * ROWS_PER_SCALE;
// The texture holds the glyphs in a 16 x 16 grid of 16 x 16 cells.
constexpr int CELL = 16;
constexpr int TEXTURE_SIZE = 16 * CELL;

// Luminance and alpha, so that the texture's white times the current colour gives the text's
// colour and its alpha marks the glyph's pixels, on desktop OpenGL and on the browser's
// emulation alike (which multiplies an alpha-only texel's black into the colour).
GLuint makeTexture()
{
    std::vector<std::uint8_t> texels(static_cast<std::size_t>(TEXTURE_SIZE) * TEXTURE_SIZE * 2, 255);
    for (int character = 0; character < GLYPH_COUNT; ++character)
        for (int row = 0; row < GLYPH_ROWS; ++row)
            for (int column = 0; column < CELL; ++column) {
                const bool lit = column < GLYPH_WIDTH && ((GLYPHS_9X15[character][row] >> (GLYPH_WIDTH - 1 - column)) & 1u);
                // Texture rows run bottom to top, glyph rows top to bottom.
                const int texelY = character / 16 * CELL + (GLYPH_ROWS - 1 - row);
                const int texelX = character % 16 * CELL + column;
                texels[(static_cast<std::size_t>(texelY) * TEXTURE_SIZE + texelX) * 2 + 1] = lit ? 255 : 0;
            }
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE_ALPHA, TEXTURE_SIZE, TEXTURE_SIZE, 0, GL_LUMINANCE_ALPHA,
                 GL_UNSIGNED_BYTE, texels.data());
    return name;
}

// Made once and never deleted: the texture table's rebuilds (F4, F5) delete only their own names.
GLuint glyphTexture()
{
    static GLuint name = makeTexture();
    return name;
}

// The window pixel that an overlay coordinate lands on in a window `scale` times smaller,
// enlarged: at scale 1 the pixel that glRasterPos2f reaches and glBitmap starts from
// (the rounding down of an exact multiple of 1/640 or 1/480 needs no tolerance).
int toPixel(float position, int overlaySize, int windowStart, int windowSize, int scale)
{
    const double smaller = static_cast<double>(windowSize) / scale;
    const double pixel = std::floor(static_cast<double>(position) * smaller / overlaySize);
    return windowStart + scale * static_cast<int>(pixel);
}

void drawGlyph(unsigned char character, int left, int bottom, int scale)
{
    const float s0 = static_cast<float>(character % 16 * CELL) / TEXTURE_SIZE;
    const float s1 = static_cast<float>(character % 16 * CELL + GLYPH_WIDTH) / TEXTURE_SIZE;
    const float t0 = static_cast<float>(character / 16 * CELL) / TEXTURE_SIZE;
    const float t1 = static_cast<float>(character / 16 * CELL + GLYPH_ROWS) / TEXTURE_SIZE;
    const float x0 = static_cast<float>(left), x1 = static_cast<float>(left + GLYPH_WIDTH * scale);
    const float y0 = static_cast<float>(bottom), y1 = static_cast<float>(bottom + GLYPH_ROWS * scale);
    glTexCoord2f(s0, t0);
    glVertex2f(x0, y0);
    glTexCoord2f(s1, t0);
    glVertex2f(x1, y0);
    glTexCoord2f(s1, t1);
    glVertex2f(x1, y1);
    glTexCoord2f(s0, t1);
    glVertex2f(x0, y1);
}

}  // namespace

GlyphFrame glyphFrame(float pixelRatio)
{
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    GlyphFrame frame{viewport[0], viewport[1], viewport[2], viewport[3], 1};
    if (frame.height >= FIRST_SCALED_HEIGHT)
        frame.scale = frame.height / ROWS_PER_SCALE;
    const int sharp = std::min(static_cast<int>(pixelRatio), frame.height / OVERLAY_HEIGHT);
    frame.scale = std::max(frame.scale, sharp);
    return frame;
}

int beginGlyphs(const GlyphFrame& frame)
{
    GLint sceneTexture = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &sceneTexture);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    // A glyph's pixel has alpha 1 and its background 0: the test keeps the lit pixels in exactly
    // the current colour and leaves the picture behind the rest untouched. The texture
    // environment stays OpenGL's GL_MODULATE, which the program never changes.
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.5f);
    glBindTexture(GL_TEXTURE_2D, glyphTexture());
    // Window pixels inside the overlay's 640 x 480 system, so that every quad's edge lies on a
    // pixel's edge and every pixel's centre on a texel's.
    glLoadIdentity();
    glScalef(static_cast<float>(OVERLAY_WIDTH) / static_cast<float>(frame.width),
             static_cast<float>(OVERLAY_HEIGHT) / static_cast<float>(frame.height), 1.0f);
    glTranslatef(static_cast<float>(-frame.left), static_cast<float>(-frame.bottom), 0.0f);
    return sceneTexture;
}

void endGlyphs(int sceneTexture)
{
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(sceneTexture));
    glAlphaFunc(GL_ALWAYS, 0.0f);
    glDisable(GL_ALPHA_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
}

void drawGlyphLine(const char* begin, const char* end, float x, float y, const GlyphFrame& frame)
{
    // glRasterPos2f outside the overlay's system leaves the raster position invalid and
    // glutBitmapCharacter then draws nothing of the line.
    if (x < 0.0f || x > OVERLAY_WIDTH || y < 0.0f || y > OVERLAY_HEIGHT)
        return;
    const int scale = frame.scale;
    int left = toPixel(x, OVERLAY_WIDTH, frame.left, frame.width, scale);
    const int bottom = toPixel(y, OVERLAY_HEIGHT, frame.bottom, frame.height, scale) - GLYPH_ROWS_BELOW * scale;
    glBegin(GL_QUADS);
    for (const char* c = begin; c != end; ++c, left += GLYPH_ADVANCE * scale)
        drawGlyph(static_cast<unsigned char>(*c), left, bottom, scale);
    glEnd();
}
