// Checking a texture (a wall, the ceiling or the character's skin) the way the program reads it.
#pragma once

#include "check/FileReport.h"

struct TextureCheck {
    FileReport report;
    unsigned width = 0;   // the picture's real size, when it was read
    unsigned height = 0;
};

TextureCheck checkTexture(const std::string& path);

// The character's skin, which may be any picture format the program reads (a TGA file is
// checked as the textures are).
TextureCheck checkSkin(const std::string& path);
