// Turns the sequences into MD2 frames: pose, skin, and set on the floor.
#pragma once

#include "animations.h"
#include "md2_file.h"

std::vector<Md2Frame> buildFrames(const Mesh& mesh, const std::vector<Sequence>& sequences);
