// Large data files for the loaders, written into a scratch folder: a TGA image, an MD2 model
// at the vertex limit with every frame the sequence table holds, and an architecture file.
#pragma once

#include <string>

struct GeneratedFiles {
    std::string folder;
    std::string tga, md2, architecture;

    // Small files in short mode, large ones otherwise.
    explicit GeneratedFiles(bool small);
    ~GeneratedFiles();
    GeneratedFiles(const GeneratedFiles&) = delete;
    GeneratedFiles& operator=(const GeneratedFiles&) = delete;
};
