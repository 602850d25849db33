// The finished frame read back from OpenGL, for screenshots and for the tests and benchmarks
// that look at what was drawn.
#pragma once

#include <cstdint>
#include <vector>

// The RGB bytes of the back buffer's bottom-left width x height pixels, rows bottom to top as
// OpenGL gives them, without padding. Read before the swap: the front buffer of a window does
// not hold the picture on every system.
std::vector<std::uint8_t> readFrame(int width, int height);

// The same rows in the order picture files store them: top row first.
std::vector<std::uint8_t> rowsTopFirst(const std::vector<std::uint8_t>& bottomFirst, int width, int height);
