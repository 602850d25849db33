// Reading 24-bit true-colour TGA files (uncompressed or run-length encoded) into RGB images.
#pragma once

#include "texture/TgaImage.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Either the decoded image or the reason it cannot be used.
struct TgaDecode {
    TgaImage image;
    std::string reason;

    bool ok() const { return reason.empty(); }
};

// Decodes the bytes of a whole TGA file. Never prints or ends the process; the reason
// names the field or the problem (but not the file, which this function does not know).
TgaDecode decodeTga(const std::uint8_t* data, std::size_t size);

// Opens and decodes the file, printing "loading tga file: <path>" once it is open.
// On failure the reason names the file.
TgaDecode readTga(const char* path);
