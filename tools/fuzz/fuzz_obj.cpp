// libFuzzer target: any bytes as a Wavefront OBJ file, through tinyobjloader, our index checks
// and our triangulation.
#include "fuzz_building.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzBuilding(data, size, ".obj");
    return 0;
}
