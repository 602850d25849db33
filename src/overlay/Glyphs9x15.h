// GLUT's 9 x 15 bitmap font (GLUT_BITMAP_9_BY_15), pixel for pixel, for drawing the overlay where
// GLUT's bitmap fonts are missing (the browser) or too small (big screens). Glyphs9x15.cpp is
// written by tools/glyphgen, which reads every glyph back from freeglut on a real context.
#pragma once

#include <cstdint>

// Every glyph is a cell of 9 x 16 pixels; glutBitmapCharacter puts the cell's bottom row 4 rows
// below the raster position and its left column on it, and moves the raster position 9 to the right.
constexpr int GLYPH_WIDTH = 9;
constexpr int GLYPH_ROWS = 16;
constexpr int GLYPH_ROWS_BELOW = 4;
constexpr int GLYPH_ADVANCE = 9;
constexpr int GLYPH_COUNT = 256;

// One row per entry, top row first; bit 8 is the leftmost pixel. Character 0 ends a text and
// stays empty.
extern const std::uint16_t GLYPHS_9X15[GLYPH_COUNT][GLYPH_ROWS];
