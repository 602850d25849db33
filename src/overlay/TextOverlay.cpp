#include "overlay/TextOverlay.h"

#include "math/FrameTimer.h"
#include "overlay/GlyphTexture.h"
#include "platform/Gl.h"

#include <cstdio>
#include <cstring>

const char* const HELP_TEXT =
    "F1  -  show help on/off\nF2  -  show framerate on/off\nF3  -  wireframe on/off\n"
    "F4  -  texturequality good/bad\nF5  -  mipmapping on/off\nF6  -  vertex arrays on/off\n"
    "F7  -  display lists on/off\nF8  -  frustrum culling on/off\nF9 -  transparence on/off\nF10  -  debug";

namespace {

constexpr float LINE_HEIGHT = 15.0f;

// Draws the lines of a text from (x, y) downwards in the current colour.
void drawLines(const char* text, float x, float y, const GlyphFrame& frame)
{
    for (const char* line = text;; y -= LINE_HEIGHT) {
        const char* end = line + std::strcspn(line, "\n");
        drawGlyphLine(line, end, x, y, frame);
        if (*end == '\0')
            return;
        line = end + 1;
    }
}

// White on a one-pixel dark shadow, so that a text stays readable on light and dark walls alike.
void drawReadable(const char* text, float x, float y, const GlyphFrame& frame)
{
    glColor3f(0.0f, 0.0f, 0.0f);
    drawLines(text, x + 1.0f, y - 1.0f, frame);
    glColor3f(1.0f, 1.0f, 1.0f);
    drawLines(text, x, y, frame);
}

}  // namespace

TextOverlay::TextOverlay(FrameTimer* frameTimer)
    : showModelInfo(false), messageFrames(0), timer(frameTimer), glyphs{}, pixelRatio(1.0f)
{
    setMessage("");
    setModelInfo("");
    messageFrames = 0;
}

void TextOverlay::setMessage(const char* text)
{
    messageFrames = MESSAGE_FRAMES;
    std::snprintf(message, sizeof message, "%s", text);
}

void TextOverlay::announce(const char* name, bool state)
{
    messageFrames = MESSAGE_FRAMES;
    std::snprintf(message, sizeof message, state ? "%s is turned ON" : "%s is turned OFF", name);
}

void TextOverlay::setModelInfo(const char* text)
{
    std::snprintf(modelInfo, sizeof modelInfo, "%s", text);
}

// The current colour stays the white the text ends with, the colour the program draws
// everything else in. With nothing to show, the scene's state is left alone and the glyph
// texture is not yet made.
void TextOverlay::draw()
{
    glyphs = glyphFrame(pixelRatio);
    const bool anyText = messageFrames != 0 || showModelInfo || timer->fpsEnabled;
    if (!anyText || glyphs.width <= 0 || glyphs.height <= 0) {
        countMessageDown();
        return;
    }
    beginOrtho();
    glPushMatrix();
    const int sceneTexture = beginGlyphs(glyphs);
    drawTexts();
    endGlyphs(sceneTexture);
    glPopMatrix();
    endOrtho();
}

void TextOverlay::drawTexts()
{
    if (messageFrames != 0)
        drawText(message, 300);
    countMessageDown();
    if (showModelInfo)
        drawText(modelInfo, 400);
    if (timer->fpsEnabled)
        drawFrameRate();
}

void TextOverlay::countMessageDown()
{
    if (messageFrames != 0)
        --messageFrames;
}

void TextOverlay::drawText(const char* text, int y)
{
    drawReadable(text, 30.0f, static_cast<float>(y), glyphs);
}

void TextOverlay::drawFrameRate()
{
    char line[FRAME_RATE_LINE_SIZE];
    formatFrameRate(line, timer->frameDelay, timer->fps, timer->speedFactor);
    drawReadable(line, 10.0f, 450.0f, glyphs);
}

void TextOverlay::beginOrtho()
{
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(0.0, 640.0, 0.0, 480.0);
    glMatrixMode(GL_MODELVIEW);
}

void TextOverlay::endOrtho()
{
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void formatFrameRate(char (&line)[FRAME_RATE_LINE_SIZE], float frameDelay, float fps, float speedFactor)
{
    std::snprintf(line, sizeof line, "framedelay: %f     fps:         %f     speedfactor: %f",
                  static_cast<double>(frameDelay), static_cast<double>(fps), static_cast<double>(speedFactor));
}
