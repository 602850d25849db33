// Broken character model files: header fields at their extremes, sections and indices past
// the end, cuts and garbage.
#include "BrokenData.h"

#include <climits>
#include <cstring>

namespace {

// Header fields, by byte offset.
constexpr std::size_t VERSION = 4;
constexpr std::size_t SKIN_WIDTH = 8;
constexpr std::size_t SKIN_HEIGHT = 12;
constexpr std::size_t FRAME_SIZE = 16;
constexpr std::size_t VERTICES = 24;
constexpr std::size_t TEXCOORDS = 28;
constexpr std::size_t TRIANGLES = 32;
constexpr std::size_t FRAMES = 40;
constexpr std::size_t OFFSET_TEXCOORDS = 48;
constexpr std::size_t OFFSET_TRIANGLES = 52;
constexpr std::size_t OFFSET_FRAMES = 56;

const char* const FILE_NAME = "pelgrin.md2";

std::int32_t getInt32(const Bytes& b, std::size_t at)
{
    std::uint32_t bits = std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
                         std::uint32_t(b[at + 3]) << 24;
    std::int32_t value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void putInt32(Bytes& b, std::size_t at, std::int32_t value)
{
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 4; ++i)
        b[at + std::size_t(i)] = static_cast<std::uint8_t>(bits >> (8 * i));
}

Damage field(std::size_t at, std::int32_t value)
{
    return edited(FILE_NAME, [at, value](Bytes& b) { putInt32(b, at, value); });
}

// The first triangle's first vertex index (or, with `texCoord`, its first texture coordinate index).
Damage firstTriangleIndex(bool texCoord, std::uint16_t value)
{
    return edited(FILE_NAME, [texCoord, value](Bytes& b) {
        const std::size_t at = std::size_t(getInt32(b, OFFSET_TRIANGLES)) + (texCoord ? 6 : 0);
        b[at] = static_cast<std::uint8_t>(value & 0xFF);
        b[at + 1] = static_cast<std::uint8_t>(value >> 8);
    });
}

Damage cutInsideTheFrames()
{
    return edited(FILE_NAME, [](Bytes& b) {
        const std::int64_t end =
            std::int64_t(getInt32(b, OFFSET_FRAMES)) + std::int64_t(getInt32(b, FRAMES)) * getInt32(b, FRAME_SIZE);
        b.resize(std::size_t(end - 1));
    });
}

Damage offsetAtTheEnd(std::size_t at)
{
    return edited(FILE_NAME, [at](Bytes& b) { putInt32(b, at, std::int32_t(b.size())); });
}

}  // namespace

std::vector<BrokenFile> brokenMd2Files()
{
    const std::string path = pathPattern(FILE_NAME);
    const std::string inFile = path + ": ";
    const std::string notFitting = " \\(offset -?\\d+, \\d+ bytes\\) do not fit in the file \\(\\d+ bytes\\)\\.";
    const char* f = FILE_NAME;
    return {
        {"Missing", f, removed(f), "cannot open " + path},
        {"IsAFolder", f, folderInstead(f), "cannot read " + path},
        {"Empty", f, replaced(f, {}), path + " is too short for an md2 header \\(0 bytes, 68 needed\\)\\."},
        {"CutInTheHeader", f, edited(f, cutTo(40)), path + " is too short for an md2 header \\(40 bytes, 68 needed\\)\\."},
        {"CutAfterTheHeader", f, edited(f, cutTo(68)), inFile + "the texture coordinates" + notFitting},
        {"CutInsideTheFrames", f, cutInsideTheFrames(), inFile + "the frames" + notFitting},
        {"VersionZero", f, field(VERSION, 0), path + " is not a version 8 md2 file\\."},
        {"VersionNegative", f, field(VERSION, -8), path + " is not a version 8 md2 file\\."},
        {"VerticesZero", f, field(VERTICES, 0), inFile + "triangle 0 has the vertex index \\d+, but a frame has 0 vertices\\."},
        {"VerticesNegative", f, field(VERTICES, -1), inFile + "the number of vertices per frame is negative \\(-1\\)\\."},
        {"VerticesHuge", f, field(VERTICES, INT_MAX),
         "The number of vertices per frame is limited to 2000\\. " + path + " has 2147483647\\."},
        {"TrianglesZero", f, field(TRIANGLES, 0), path + " has no triangles\\."},
        {"TrianglesNegative", f, field(TRIANGLES, INT_MIN), inFile + "the number of triangles is negative \\(-2147483648\\)\\."},
        {"TrianglesHuge", f, field(TRIANGLES, INT_MAX), inFile + "the triangles" + notFitting},
        {"TexCoordsZero", f, field(TEXCOORDS, 0),
         inFile + "triangle 0 has the texture coordinate index \\d+, but the file has 0 texture coordinates\\."},
        {"TexCoordsHuge", f, field(TEXCOORDS, INT_MAX), inFile + "the texture coordinates" + notFitting},
        {"FramesZero", f, field(FRAMES, 0), path + " has no frames\\."},
        {"FramesNegative", f, field(FRAMES, -1), inFile + "the number of frames is negative \\(-1\\)\\."},
        {"FramesHuge", f, field(FRAMES, INT_MAX), inFile + "the frames" + notFitting},
        {"FrameSizeZero", f, field(FRAME_SIZE, 0), inFile + "the frame size 0 is too small for \\d+ vertices per frame .+"},
        {"FrameSizeHuge", f, field(FRAME_SIZE, INT_MAX), inFile + "the frames" + notFitting},
        {"SkinWidthZero", f, field(SKIN_WIDTH, 0), inFile + "the skin width 0 is not positive\\."},
        {"SkinHeightNegative", f, field(SKIN_HEIGHT, -1), inFile + "the skin height -1 is not positive\\."},
        {"TexCoordsOffsetHuge", f, field(OFFSET_TEXCOORDS, INT_MAX), inFile + "the texture coordinates" + notFitting},
        {"TrianglesOffsetNegative", f, field(OFFSET_TRIANGLES, -1), inFile + "the triangles" + notFitting},
        {"TrianglesOffsetAtTheEnd", f, offsetAtTheEnd(OFFSET_TRIANGLES), inFile + "the triangles" + notFitting},
        {"FramesOffsetZero", f, field(OFFSET_FRAMES, 0), inFile + "the frames \\(offset 0\\) start inside the 68-byte header\\."},
        {"FramesOffsetAtTheEnd", f, offsetAtTheEnd(OFFSET_FRAMES), inFile + "the frames" + notFitting},
        {"VertexIndexPastTheEnd", f, firstTriangleIndex(false, 65535),
         inFile + "triangle 0 has the vertex index 65535, but a frame has \\d+ vertices\\."},
        {"TexCoordIndexPastTheEnd", f, firstTriangleIndex(true, 65535),
         inFile + "triangle 0 has the texture coordinate index 65535, but the file has \\d+ texture coordinates\\."},
        {"ScaleInfinite", f, edited(f, [](Bytes& b) { putInt32(b, std::size_t(getInt32(b, OFFSET_FRAMES)), 0x7F800000); }),
         inFile + "frame 0 has a scale that is not a finite number\\."},
        {"Garbage", f, replaced(f, garbage(4096)), path + " is not a version 8 md2 file\\."},
        {"ATextureInstead", f, replaced(f, committedBytes("pelgrin2.tga")), path + " is not a version 8 md2 file\\."},
    };
}
