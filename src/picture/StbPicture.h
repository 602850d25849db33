// PNG, JPEG and BMP pictures through stb_image, a well-kept decoder, built with these formats only.
#pragma once

#include "picture/Picture.h"

#include <cstddef>
#include <cstdint>

// Decodes the bytes of a whole PNG, JPEG or BMP file (whichever the bytes are) into RGB:
// grey becomes grey RGB, an alpha channel is left out, 16 bits per channel become 8. Never
// prints or ends the process; a picture over MAX_PICTURE_SIDE is refused before it is decoded.
// With `alpha` a picture that has an alpha channel keeps it (components 4): a building's glass
// and leaves; skins and our hall's textures never ask for it.
PictureDecode decodeStbPicture(const std::uint8_t* data, std::size_t size, bool alpha = false);
