// Text over the finished picture: a timed message, the model information and the
// frame-rate line, in a fixed 640 x 480 coordinate system with GLUT's 9 x 15 font (drawn from a
// texture of its glyphs, and magnified on screens of 1440 rows and more).
#pragma once

#include "overlay/GlyphTexture.h"

#include <cstddef>
#include <cstdint>

struct FrameTimer;

// Room for the longest help: the keys' or the fingers', and the gamepad's below it.
constexpr std::size_t OVERLAY_TEXT_SIZE = 1024;
constexpr std::size_t FRAME_RATE_LINE_SIZE = 80;
// Frames a new message stays on screen.
constexpr std::uint32_t MESSAGE_FRAMES = 400;
// The count that keeps a message up until it is replaced or hidden (it wraps around).
constexpr std::uint32_t MESSAGE_UNTIL_REPLACED = 0xFFFFFFFFu;

extern const char* const HELP_TEXT;

struct TextOverlay {
    bool showModelInfo;
    std::uint32_t messageFrames;
    FrameTimer* timer;
    char message[OVERLAY_TEXT_SIZE];
    char modelInfo[OVERLAY_TEXT_SIZE];
    // Where and how big this frame's letters are.
    GlyphFrame glyphs;
    // Window pixels to a layout pixel: above 1 for a page on a sharp screen, whose letters grow
    // with it (glyphFrame).
    float pixelRatio;

    explicit TextOverlay(FrameTimer* frameTimer);

    // Texts longer than the buffers are cut, never overrun.
    void setMessage(const char* text);
    void announce(const char* name, bool state);
    void setModelInfo(const char* text);

    void draw();
    void drawTexts();
    void countMessageDown();
    void drawText(const char* text, int y);
    void drawFrameRate();
    void beginOrtho();
    void endOrtho();
};

// The frame-rate line as drawn, cut to fit the line buffer of FRAME_RATE_LINE_SIZE.
void formatFrameRate(char (&line)[FRAME_RATE_LINE_SIZE], float frameDelay, float fps, float speedFactor);
