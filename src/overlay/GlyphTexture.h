// The overlay's letters drawn from one texture of GLUT's 9 x 15 glyphs, pixel for pixel where
// glutBitmapCharacter would put them, or magnified a whole number of times on big screens. The
// same calls on every platform: the browser's OpenGL emulation has no bitmaps, no raster
// position and no attribute stack.
#pragma once

// The window pixels that the overlay's 640 x 480 system covers this frame, and the glyphs'
// magnification there.
struct GlyphFrame {
    int left, bottom, width, height;
    int scale;
};

// The frame of the current viewport. Below 1440 rows the letters keep GLUT's pixel size (scale
// 1); from 1440 rows on they grow by the whole number of times 720 rows fit into the height. On
// a screen of pixelRatio window pixels to a layout pixel (a page on a phone) they grow at least
// by its whole part, as far as the overlay's 480 rows fit the window that many times: its lines
// must not overlap.
GlyphFrame glyphFrame(float pixelRatio);

// Binds the glyph texture (made on first use, outside the texture table) and sets what it needs
// over the program's fixed state (texturing, depth test and culling on, blending and alpha test
// off, as the set-up leaves them and a building's drawing puts them back): no depth test, no
// culling, transparent glyph backgrounds, pixel coordinates. Returns the scene's bound texture,
// which endGlyphs binds again with the fixed state.
int beginGlyphs(const GlyphFrame& frame);
void endGlyphs(int sceneTexture);

// Draws the characters from begin up to end in the current colour where glRasterPos2f(x, y) in
// the overlay's 640 x 480 system and glutBitmapCharacter would, magnified frame.scale times: the
// whole overlay is then the overlay of a window frame.scale times smaller, enlarged, margins and
// line spacing with it.
void drawGlyphLine(const char* begin, const char* end, float x, float y, const GlyphFrame& frame);
