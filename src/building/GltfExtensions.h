// The glTF extensions halvane reads, and what is settled about them before tinygltf parses a
// file: an extension the file requires and we do not read is named first, before any check can
// fail on what it changes; the empty fallback buffers of meshopt compression are made readable.
#pragma once

#include <string>

// Whether halvane reads the extension (what it adds is shown).
bool knownGltfExtension(const std::string& name);

struct GltfPreflight {
    std::string failure;  // the problem, without the file's name
    // The JSON to give tinygltf in place of the file's own, empty when the file's own will do:
    // each fallback buffer without data of EXT_meshopt_compression is given one byte of its own
    // (tinygltf refuses a buffer it cannot fill), and keeps its mark; the indices of a Draco
    // primitive, which have no view until they are decoded, name the stream's view meanwhile
    // (tinygltf refuses indices without a view).
    std::string json;
};

GltfPreflight preflightGltfJson(const char* json, std::size_t size);
