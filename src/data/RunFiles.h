// Which files one run reads, decided in one place from the data folder and the command line,
// so that the program's set-up and halvane-check read the very same files.
#pragma once

#include <string>

struct RunFiles {
    // Our hall from the data folder; the set-up leaves it unread when a building is given.
    std::string wallTexture;
    std::string ceilingTexture;
    std::string walls;
    std::string ceiling;
    std::string building;  // --level: a building of one's own, empty for our hall
    std::string model;     // the character's MD2 file
    std::string skin;      // its skin; empty: looked up by the names the model stores
    bool ownModel = false; // the model came from --model
    bool ownSkin = false;  // the skin came from --skin

    bool hall() const { return building.empty(); }
};

// `folder` ends in a separator; model, skin and level are the command line's (empty: not given).
RunFiles runFiles(const std::string& folder, const std::string& model, const std::string& skin, const std::string& level);
