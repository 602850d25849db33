// The numbers of a glTF accessor, read from its buffer view once the model has been checked.
#pragma once

#include <tiny_gltf.h>

#include <vector>

// The accessor's elements, `width` numbers each, whatever their component type: little-endian as
// glTF stores them, whatever the machine's own order, and normalized integers mapped onto 0..1 or
// -1..1 as glTF says. An accessor without a buffer view holds zeros.
std::vector<double> readAccessor(const tinygltf::Model& model, const tinygltf::Accessor& accessor, int width);
