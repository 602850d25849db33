// Places every part's skin island on the square skin, tallest first on shelves.
#pragma once

#include "lathe.h"

#include <vector>

constexpr int kSkinSize = 512;
constexpr int kIslandGutter = 6;  // bleed room so mipmaps do not mix neighbouring parts

// Returns false when the islands do not fit on the skin.
bool packIslands(std::vector<PartShape>& parts);
