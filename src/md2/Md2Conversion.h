// Turning a checked MD2 file's contents into a model record: axes and scale, the frames
// split into the animation sequences, reversed triangle corners and the light normals.
#pragma once

#include "math/Vec3.h"
#include "md2/Md2File.h"
#include "md2/Md2Model.h"

#include <vector>

// One sequence that the frame split filled, with the frames it took, for the progress lines.
struct SequenceFill {
    int sequence = 0;
    int frames = 0;
};

// What the loader reports about the split: every full sequence, then the last one reached.
struct Md2Conversion {
    std::vector<SequenceFill> stored;
    SequenceFill last;
};

// Fills the model's counts, texture coordinates, sequences, triangles and light normals from
// contents that readMd2Contents accepted for `header`. Never prints or ends the process.
Md2Conversion convertMd2(Md2Model& model, const Md2Header& header, const Md2Contents& contents, Vec3 scale);
