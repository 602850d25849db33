#include "overlay/TextOverlay.h"

#include "math/FrameTimer.h"
#include "platform/Gl.h"

#include <GL/freeglut.h>
#include <cstdio>

const char* const HELP_TEXT =
    "F1  -  show help on/off\nF2  -  show framerate on/off\nF3  -  wireframe on/off\n"
    "F4  -  texturequality good/bad\nF5  -  mipmapping on/off\nF6  -  vertex arrays on/off\n"
    "F7  -  display lists on/off\nF8  -  frustrum culling on/off\nF9 -  transparence on/off\nF10  -  debug";

namespace {

constexpr float LINE_HEIGHT = 15.0f;

void drawCharacters(const char* text)
{
    for (const char* c = text; *c; ++c)
        glutBitmapCharacter(GLUT_BITMAP_9_BY_15, static_cast<unsigned char>(*c));
}

}  // namespace

TextOverlay::TextOverlay(FrameTimer* frameTimer) : showModelInfo(false), messageFrames(0), timer(frameTimer)
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

void TextOverlay::draw()
{
    beginOrtho();
    glPushMatrix();
    glLoadIdentity();
    if (messageFrames != 0) {
        drawText(message, 300);
        --messageFrames;
    }
    if (showModelInfo)
        drawText(modelInfo, 400);
    if (timer->fpsEnabled)
        drawFrameRate();
    glPopMatrix();
    endOrtho();
}

void TextOverlay::drawText(const char* text, int y)
{
    float lineY = static_cast<float>(y);
    glRasterPos2f(30.0f, lineY);
    for (const char* c = text; *c; ++c) {
        if (*c == '\n') {
            lineY -= LINE_HEIGHT;
            glRasterPos2f(30.0f, lineY);
        } else {
            glutBitmapCharacter(GLUT_BITMAP_9_BY_15, static_cast<unsigned char>(*c));
        }
    }
}

void TextOverlay::drawFrameRate()
{
    char line[FRAME_RATE_LINE_SIZE];
    formatFrameRate(line, timer->frameDelay, timer->fps, timer->speedFactor);
    glRasterPos2f(10.0f, 450.0f);
    drawCharacters(line);
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
