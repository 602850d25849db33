// Reading PCX pictures, the format MD2 characters' skins were made in: 8 bits per pixel with
// the 256-colour palette at the end of the file, or 24 bits as three colour planes per line,
// run-length encoded or not.
#pragma once

#include "picture/Picture.h"

#include <cstddef>
#include <cstdint>

// Decodes the bytes of a whole PCX file. Never prints or ends the process; the reason names
// the field or the problem (but not the file, which this function does not know).
PictureDecode decodePcx(const std::uint8_t* data, std::size_t size);
