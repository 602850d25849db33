// Reading the members of glTF extensions, which tinygltf hands over as untyped values.
#pragma once

#include <tiny_gltf.h>

// The extension's object in the map, or null when it is missing or not an object.
const tinygltf::Value* gltfExtension(const tinygltf::ExtensionMap& extensions, const char* name);
// The number `key` of the object (item `index` of it when it is an array and index >= 0), or
// `otherwise` when there is no such number.
double gltfNumber(const tinygltf::Value& object, const char* key, int index, double otherwise);
// The string `key` of the object, or empty.
std::string gltfString(const tinygltf::Value& object, const char* key);
