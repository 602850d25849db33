// The overlay's letters drawn from one texture of GLUT's 9 x 15 glyphs, pixel for pixel where
// glutBitmapCharacter would put them, or magnified a whole number of times on big screens. Only
// calls that the browser's OpenGL emulation has: no raster position, no attribute stack.
#pragma once

// The window pixels that the overlay's 640 x 480 system covers this frame, and the glyphs'
// magnification there; scale 0 leaves the letters to GLUT's own font.
struct GlyphFrame {
    int left, bottom, width, height;
    int scale;
};

// The frame of the current viewport. Below 1440 rows the desktop keeps GLUT's font (scale 0);
// from 1440 rows on the letters grow by the whole number of times 720 rows fit into the height;
// the browser has no GLUT font and always draws from the texture.
GlyphFrame glyphFrame();

// What beginGlyphs changes, given back by endGlyphs.
struct GlyphStates {
    unsigned char texturing, depthTest, culling, blending, alphaTest;
    int boundTexture, alphaFunction;
    float alphaReference;
};

// Binds the glyph texture (made on first use, outside the texture table) and sets what it needs:
// texturing on, transparent glyph backgrounds, no depth test, no culling, pixel coordinates.
GlyphStates beginGlyphs(const GlyphFrame& frame);
void endGlyphs(const GlyphStates& states);

// Draws the characters from begin up to end in the current colour where glRasterPos2f(x, y) in
// the overlay's 640 x 480 system and glutBitmapCharacter would, magnified frame.scale times: the
// whole overlay is then the overlay of a window frame.scale times smaller, enlarged, margins and
// line spacing with it.
void drawGlyphLine(const char* begin, const char* end, float x, float y, const GlyphFrame& frame);
