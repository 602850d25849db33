// A picture in any of the formats a character's skin or a building's picture may come in,
// decoded to the image that OpenGL takes: RGB (RGBA where asked for), rows bottom-up.
#pragma once

#include "picture/Image.h"

#include <cstdint>
#include <string>

// The largest side of a picture we decode: the RGB image of 8192 x 8192 is 192 MB (256 MB in
// RGBA), and no skin or building needs more (the driver scales a texture down to what it can
// hold anyway).
constexpr unsigned MAX_PICTURE_SIDE = 8192;

// Either the decoded image, with how the file stored it, or the reason it cannot be used.
struct PictureDecode {
    Image image;
    std::string storage;  // "8 bits per pixel with a 256-colour palette, run-length encoded"
    std::string reason;

    bool ok() const { return reason.empty(); }
};

// Fills an image of width x height from rows given top row first: row y lands where OpenGL
// takes the row height - 1 - y. Components 3 is RGB, 4 RGBA (a building's see-through surfaces).
void startImage(Image& image, unsigned width, unsigned height, int components = 3);
std::uint8_t* rowFromTop(Image& image, unsigned y);
