// Finding a model's skin beside it when none is named on the command line: the skins the
// model file names, then a picture with the model's own name, looked for in its folder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SkinSearch {
    std::string found;                // the skin's path (the model's folder and the name as it is there)
    std::string storedName;           // the stored name it was found by; empty when found by the model's name
    std::vector<std::string> stored;  // every skin name stored in the model, as stored
    std::vector<std::string> tried;   // the file names looked for, in order
    std::string failure;              // the line the program ends with when nothing is found

    bool ok() const { return failure.empty(); }
};

// For each stored skin name, its file name (stored names are paths in the model's game folder,
// "players/x/skin.pcx"), then that name's base with each picture format's extension (.pcx,
// .tga, .png, .jpg, .bmp, .webp), before the next stored name: the first skin, the one the model is
// drawn with by default, wins in whatever format it stands. Then the model's own base name with
// each extension. Names are matched without regard to letter case. A stored name that is no
// plain file name (empty, "..", control characters, a drive's colon) is skipped and never opened.
SkinSearch findSkin(const std::string& modelPath, const std::vector<std::uint8_t>& modelBytes);
