// One real OpenGL context for the tests that draw: a 640 x 480 GLUT window on Mesa,
// created once per test process, with helpers to read the picture back.
#pragma once

#include "platform/Gl.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int GL_TEST_WIDTH = 640;
constexpr int GL_TEST_HEIGHT = 480;

// Creates the window on first use (starting a private X server if needed) and makes it current.
void useGlContext();

// The program's fixed OpenGL state: depth test, front faces culled with clockwise as front, texturing.
void applySceneState();

struct Rgb {
    std::uint8_t r, g, b;
};

// The colour buffer as RGB rows, bottom row first (OpenGL's order).
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    Rgb at(int x, int y) const;
    int countNonBlack() const;
    // Writes a binary PPM (top row first) so that a person can look at a failing picture.
    void save(const std::string& path) const;
};

Picture readPicture();

// A colour and depth framebuffer of any size in the test context, for pictures that the
// 640 x 480 window cannot hold; drawing goes there, with the viewport on all of it, until it ends.
class OffscreenFrame {
public:
    OffscreenFrame(int width, int height);
    ~OffscreenFrame();
    OffscreenFrame(const OffscreenFrame&) = delete;
    OffscreenFrame& operator=(const OffscreenFrame&) = delete;

    Picture read() const;

private:
    int width_, height_;
    GLuint framebuffer_ = 0, colour_ = 0, depth_ = 0;
};
