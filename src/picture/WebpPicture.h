// WebP pictures through libwebp's decoder (Debian's libwebp-dev): a building's pictures in
// glTF's EXT_texture_webp, and .webp files named as pictures or skins.
#pragma once

#include "picture/Picture.h"

#include <cstddef>
#include <cstdint>

// Whether the bytes start as a WebP file does ("RIFF", a size, "WEBP").
bool isWebp(const std::uint8_t* data, std::size_t size);

// Decodes a whole still WebP file into RGB (RGBA with `alpha` where the picture has alpha), rows
// bottom-up, after its size is checked against MAX_PICTURE_SIDE. Never prints or ends the process.
PictureDecode decodeWebpPicture(const std::uint8_t* data, std::size_t size, bool alpha = false);
