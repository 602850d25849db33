// One decoded picture, whatever its file format, as OpenGL takes it: RGB bytes, rows bottom
// to top.
#pragma once

#include <cstdint>
#include <vector>

struct Image {
    int components = 0;  // bytes per pixel
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // height rows of width * 3 bytes, no padding, R G B
};
