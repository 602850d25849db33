#include "cli/CharacterOptions.h"

const char* const CHARACTER_OPTIONS_DETAILS =
    "Character: --model PATH takes the character from that MD2 file instead of pelgrin.md2 in the\n"
    "data folder. Its skin is --skin PICTURE when given; otherwise the first skin that the model\n"
    "file names and that stands beside the model (letter case aside), or the same name as .pcx,\n"
    ".tga, .png, .jpg or .bmp, or a picture named like the model (sydney.md2: sydney.pcx, ...).\n"
    "Skins may be PCX, TGA, PNG, JPEG or BMP pictures. Without either option the character is\n"
    "pelgrin.md2 with pelgrin2.tga from the data folder.\n";

std::vector<OptionRow> characterOptionRows()
{
    return {
        {"--model", "PATH", "the character from this MD2 file",
         storePath<&CommandLineOptions::model>},
        {"--skin", "PICTURE", "the character's skin (PCX, TGA, PNG, JPEG or BMP)",
         storePath<&CommandLineOptions::skin>},
    };
}
