// libFuzzer target: any text through the architecture parser; accepted records must have
// both arrays at their exact size.
#include "level/ArchitectureParser.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ArchitectureRecords records = parseArchitecture(std::string(reinterpret_cast<const char*>(data), size));
    if (!records.ok())
        return 0;
    const std::size_t count = std::size_t(records.vertexCount);
    if (records.vertexCount < 0 || records.vertices.size() != count * 3 || records.texCoords.size() != count * 2)
        std::abort();
    return 0;
}
