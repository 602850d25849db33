// The two generated textures of the architecture.
#pragma once

#include "tga_writer.h"

// kachel2.tga: 4 x 4 glazed tiles; the lower-left tile alone covers one cell
// of a generated room, the top row and right column form the blue border band.
RgbImage makeTileTexture();

// ceiling.tga: 2 x 2 plaster coffers with ribs and a small rosette each.
RgbImage makeCeilingTexture();
