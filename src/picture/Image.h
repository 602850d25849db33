// One decoded picture, whatever its file format, as OpenGL takes it: RGB or RGBA bytes, rows
// bottom to top.
#pragma once

#include <cstdint>
#include <vector>

struct Image {
    int components = 0;  // bytes per pixel, 3 (R G B) or 4 (R G B A)
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // height rows of width * components bytes, no padding
};
