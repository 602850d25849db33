// One model triangle: the vertex index and the texture-coordinate index of each corner.
#pragma once

#include <cstdint>

struct ModelTriangle {
    std::uint16_t vertexIndices[3];
    std::uint16_t texCoordIndices[3];
};
