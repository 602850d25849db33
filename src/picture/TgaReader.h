// Reading 24-bit true-colour TGA files (uncompressed or run-length encoded) into RGB images.
#pragma once

#include "picture/Image.h"

#include <cstddef>
#include <cstdint>
#include <string>

// What the 18 header bytes of a file of fileSize bytes promise: where its pixels start and
// how they are stored, or the reason decodeTga would give for refusing the file.
struct TgaLayout {
    std::string reason;
    std::uint64_t pixelStart = 0;
    unsigned width = 0;
    unsigned height = 0;
    bool runLength = false;
    bool topLeft = false;

    bool ok() const { return reason.empty(); }
};
TgaLayout inspectTga(const std::uint8_t* header, std::uint64_t fileSize);

// Either the decoded image, with how the file stored it, or the reason it cannot be used.
struct TgaDecode {
    Image image;
    TgaLayout layout;
    std::string reason;

    bool ok() const { return reason.empty(); }
};

// Completes an image whose pixels are already R, G, B in file row order: its size and
// components, and the rows turned bottom-up for a file stored top-down.
void finishTgaImage(Image& image, const TgaLayout& layout);

// Decodes the bytes of a whole TGA file. Never prints or ends the process; the reason
// names the field or the problem (but not the file, which this function does not know).
TgaDecode decodeTga(const std::uint8_t* data, std::size_t size);

// Opens and decodes the file, printing "loading tga file: <path>" once it is open unless
// `announce` is false (the data checker reports in its own words); the result is that of
// decodeTga on the file's bytes. An uncompressed file's pixels are read in chunks and
// swapped on the way into the image. On failure the reason names the file.
TgaDecode readTga(const char* path, bool announce = true);
