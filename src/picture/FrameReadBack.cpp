#include "picture/FrameReadBack.h"

#include "platform/Gl.h"

#include <algorithm>
#include <cstddef>

// Read as RGBA, the one format every OpenGL and WebGL reads back, from the buffer being drawn:
// the back buffer, OpenGL's read buffer in a double-buffered window and the only one WebGL has.
std::vector<std::uint8_t> readFrame(int width, int height)
{
    const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::vector<std::uint8_t> frame(pixels * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, frame.data());
    // Each pixel's RGB moves forward over the alpha before it, in place.
    for (std::size_t i = 1; i < pixels; ++i)
        std::copy_n(&frame[i * 4], 3, &frame[i * 3]);
    frame.resize(pixels * 3);
    return frame;
}

std::vector<std::uint8_t> rowsTopFirst(const std::vector<std::uint8_t>& bottomFirst, int width, int height)
{
    const std::size_t row = static_cast<std::size_t>(width) * 3;
    std::vector<std::uint8_t> topFirst(bottomFirst.size());
    for (int y = 0; y < height; ++y)
        std::copy_n(&bottomFirst[row * static_cast<std::size_t>(height - 1 - y)], row, &topFirst[row * static_cast<std::size_t>(y)]);
    return topFirst;
}
