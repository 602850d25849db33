// Turns the sequences into MD2 frames: pose, skin, and set on the floor.
#pragma once

#include "animations.h"
#include "md2_file.h"

std::vector<Md2Frame> buildFrames(const Mesh& mesh, const std::vector<Sequence>& sequences);

// The frame positions of one pose, lowest body point at the floor plus the pose's lift.
std::vector<Vec3> posedPositions(const Mesh& mesh, const Pose& pose);
