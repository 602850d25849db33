// Reading a character's skin or a building's picture from disk in the format its name says:
// .pcx through our own PCX reader, .png, .jpg, .jpeg and .bmp through stb_image, .webp through
// libwebp, anything else
// (.tga) through the TGA reader. The hall's textures are TGA only and go to readTga directly.
#pragma once

#include "picture/Picture.h"

#include <cstddef>
#include <cstdint>
#include <string>

// A picture format readPicture reads, and the extensions (lower case, with the dot) its files have.
struct PictureFormat {
    const char* name;                      // "JPEG", as messages name it
    const char* extension;                 // ".jpg": the one a skin is looked for with
    const char* otherExtension = nullptr;  // ".jpeg": read as this format too
};

// Every picture format, in the order a skin is looked for with their extensions.
constexpr int PICTURE_FORMAT_COUNT = 6;
extern const PictureFormat PICTURE_FORMATS[PICTURE_FORMAT_COUNT];

// Whether the file's extension (any letter case) is one of a picture format.
bool isPictureFile(const std::string& path);
// "PCX", "PNG", "JPEG", "BMP", "WebP" or "TGA": the format readPicture reads the file as (TGA for an
// extension of no picture format).
std::string pictureFormat(const std::string& path);

// Opens and decodes the file, printing "loading <format> file: <path>" (format in lower
// case, so a TGA file prints the TGA reader's own line) once it is open unless `announce`
// is false. On failure the reason names the file. `alpha` keeps a PNG's alpha channel (see
// decodeStbPicture).
PictureDecode readPicture(const char* path, bool announce = true, bool alpha = false);

// A whole picture file's bytes, whichever of PNG, JPEG, BMP (stb_image) and WebP they are; as
// decodeStbPicture otherwise (a building's pictures inside its file come this way).
PictureDecode decodePictureBytes(const std::uint8_t* data, std::size_t size, bool alpha = false);
