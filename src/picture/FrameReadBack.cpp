#include "picture/FrameReadBack.h"

#include "platform/Gl.h"

#include <algorithm>
#include <cstddef>

std::vector<std::uint8_t> readFrame(int width, int height)
{
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * 3 * static_cast<std::size_t>(height));
#ifdef __EMSCRIPTEN__
    // WebGL reads only RGBA, and only the buffer being drawn (read before the swap).
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width) * 4 * static_cast<std::size_t>(height));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    for (std::size_t i = 0; i < rgb.size() / 3; ++i)
        std::copy_n(&rgba[i * 4], 3, &rgb[i * 3]);
#else
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
#endif
    return rgb;
}

std::vector<std::uint8_t> rowsTopFirst(const std::vector<std::uint8_t>& bottomFirst, int width, int height)
{
    const std::size_t row = static_cast<std::size_t>(width) * 3;
    std::vector<std::uint8_t> topFirst(bottomFirst.size());
    for (int y = 0; y < height; ++y)
        std::copy_n(&bottomFirst[row * static_cast<std::size_t>(height - 1 - y)], row, &topFirst[row * static_cast<std::size_t>(y)]);
    return topFirst;
}
