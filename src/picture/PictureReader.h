// Reading a character's skin from disk in the format its name says: .pcx through our own PCX
// reader, .png, .jpg, .jpeg and .bmp through stb_image, anything else (.tga) through the TGA
// reader as before. The level's textures are TGA only and go to readTga directly.
#pragma once

#include "picture/Picture.h"

#include <string>

// The picture extensions a skin is looked for with, in the order they are tried.
constexpr int PICTURE_EXTENSION_COUNT = 5;
extern const char* const PICTURE_EXTENSIONS[PICTURE_EXTENSION_COUNT];

// "PCX", "PNG", "JPEG", "BMP" or "TGA": the format readPicture reads the file as.
std::string pictureFormat(const std::string& path);

// Opens and decodes the file, printing "loading <format> file: <path>" (format in lower
// case, so a TGA file prints the TGA reader's own line) once it is open unless `announce`
// is false. On failure the reason names the file. `alpha` keeps a PNG's alpha channel (see
// decodeStbPicture).
PictureDecode readPicture(const char* path, bool announce = true, bool alpha = false);
