// Reading an MD2 file's bytes: the header, then the texture coordinates, triangles and
// frames, each checked against the file's real size. Nothing is printed here; a problem
// comes back as a one-line reason naming the file and the field.
#pragma once

#include "math/Vec3.h"
#include "md2/ModelTriangle.h"
#include "md2/TexCoord.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int MD2_HEADER_SIZE = 68;
constexpr int MD2_VERSION = 8;
// Scale, translate and the 16-byte name before a frame's vertices.
constexpr int MD2_FRAME_HEADER_SIZE = 40;

// The header fields the loader uses, in file order from byte 8 on.
struct Md2Header {
    std::int32_t version = 0;
    std::int32_t skinWidth = 0;
    std::int32_t skinHeight = 0;
    std::int32_t frameSize = 0;
    std::int32_t numVertices = 0;
    std::int32_t numTexCoords = 0;
    std::int32_t numTriangles = 0;
    std::int32_t numFrames = 0;
    std::int32_t offsetTexCoords = 0;
    std::int32_t offsetTriangles = 0;
    std::int32_t offsetFrames = 0;
};

struct Md2HeaderResult {
    Md2Header header;
    std::string failure; // empty when the header can be used
};

// The decoded body. Triangles are in the file's corner order; frame positions are the
// file's bytes times the frame's scale plus its translate, in the file's axes.
struct Md2Contents {
    std::vector<TexCoord> texCoords;
    std::vector<ModelTriangle> triangles;
    // The first min(numFrames, framesWanted) frames, numVertices positions each.
    std::vector<Vec3> framePositions;
    int framesDecoded = 0;
};

struct Md2ContentsResult {
    Md2Contents contents;
    std::string failure; // empty when the file can be used
};

// Needs the 68 header bytes and version 8.
Md2HeaderResult readMd2Header(const std::vector<std::uint8_t>& bytes, const std::string& path);

// Checks the header's counts, sizes and offsets against each other and the file length,
// then decodes the body, at most `framesWanted` frames of it.
Md2ContentsResult readMd2Contents(const std::vector<std::uint8_t>& bytes, const std::string& path,
                                  const Md2Header& header, int framesWanted);

// The name stored with file frame k (0 to numFrames - 1) of a file that readMd2Contents
// accepted, up to its first NUL; bytes that are not printable become '?'.
std::string readMd2FrameName(const std::vector<std::uint8_t>& bytes, const Md2Header& header, int k);

struct Md2SkinNames {
    std::vector<std::string> names;  // as stored: up to the first NUL of each 64-byte name
    std::string failure;             // empty when the skin block fits the file
};

// The skin names stored in the file's skin block (count at byte 20, offset at byte 44), which
// must fit the file like any other section; read only when the skin is looked for by them.
Md2SkinNames readMd2SkinNames(const std::vector<std::uint8_t>& bytes, const std::string& path);

// Both steps at once, for callers (a fuzzer) that only want the verdict and the data.
Md2ContentsResult parseMd2(const std::vector<std::uint8_t>& bytes, const std::string& path, int framesWanted);
