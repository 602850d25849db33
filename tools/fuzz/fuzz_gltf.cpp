// libFuzzer target: any bytes as a glTF binary file (.glb) or, when they start with '{', as a
// glTF text file (.gltf), through tinygltf and our checks and conversion; the seeds' compressed
// files take the mutated bytes into the meshopt and Draco decoders.
#include "fuzz_building.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const bool text = size > 0 && data[0] == '{';
    fuzzBuilding(data, size, text ? ".gltf" : ".glb");
    return 0;
}
