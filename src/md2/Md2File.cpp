// Reading and checking an MD2 file's bytes; every section is checked against the real
// file length (in 64-bit arithmetic) before anything the header asks for is allocated.
#include "md2/Md2File.h"

#include "data/LittleEndian.h"
#include "md2/Md2Sequences.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::string number(std::int64_t value)
{
    return std::to_string(value);
}

std::string checkNotNegative(const std::string& path, const char* field, std::int32_t count)
{
    if (count >= 0)
        return "";
    return path + ": the number of " + field + " is negative (" + number(count) + ").";
}

std::string checkCounts(const std::string& path, const Md2Header& h)
{
    std::string failure = checkNotNegative(path, "vertices per frame", h.numVertices);
    if (failure.empty())
        failure = checkNotNegative(path, "texture coordinates", h.numTexCoords);
    if (failure.empty())
        failure = checkNotNegative(path, "triangles", h.numTriangles);
    if (failure.empty())
        failure = checkNotNegative(path, "frames", h.numFrames);
    // A model without triangles would load and then draw nothing, silently.
    if (failure.empty() && h.numTriangles == 0)
        failure = path + " has no triangles.";
    return failure;
}

std::string checkFrameLayout(const std::string& path, const Md2Header& h)
{
    if (h.numVertices > MAX_MODEL_VERTICES)
        return "The number of vertices per frame is limited to " + number(MAX_MODEL_VERTICES) + ". " + path +
               " has " + number(h.numVertices) + ".";
    if (h.numFrames == 0)
        return path + " has no frames.";
    const std::int64_t needed = MD2_FRAME_HEADER_SIZE + 4 * static_cast<std::int64_t>(h.numVertices);
    if (h.frameSize < needed)
        return path + ": the frame size " + number(h.frameSize) + " is too small for " + number(h.numVertices) +
               " vertices per frame (" + number(needed) + " bytes needed).";
    return "";
}

std::string checkSkinSize(const std::string& path, const Md2Header& h)
{
    if (h.skinWidth <= 0)
        return path + ": the skin width " + number(h.skinWidth) + " is not positive.";
    if (h.skinHeight <= 0)
        return path + ": the skin height " + number(h.skinHeight) + " is not positive.";
    return "";
}

std::string checkSection(const std::string& path, const Bytes& bytes, const char* name, std::int32_t offset,
                         std::int32_t count, std::int64_t recordSize)
{
    const std::int64_t size = count * recordSize;
    const std::int64_t length = static_cast<std::int64_t>(bytes.size());
    // A section inside the header would decode the header's own fields as model data.
    if (offset >= 0 && offset < MD2_HEADER_SIZE)
        return path + ": the " + name + " (offset " + number(offset) + ") start inside the " +
               number(MD2_HEADER_SIZE) + "-byte header.";
    if (offset >= 0 && offset + size <= length)
        return "";
    return path + ": the " + name + " (offset " + number(offset) + ", " + number(size) +
           " bytes) do not fit in the file (" + number(length) + " bytes).";
}

std::string checkSections(const std::string& path, const Bytes& bytes, const Md2Header& h)
{
    std::string failure = checkSection(path, bytes, "texture coordinates", h.offsetTexCoords, h.numTexCoords, 4);
    if (failure.empty())
        failure = checkSection(path, bytes, "triangles", h.offsetTriangles, h.numTriangles, 12);
    if (failure.empty())
        failure = checkSection(path, bytes, "frames", h.offsetFrames, h.numFrames, h.frameSize);
    return failure;
}

std::vector<TexCoord> decodeTexCoords(const Bytes& bytes, const Md2Header& h)
{
    std::vector<TexCoord> texCoords(static_cast<std::size_t>(h.numTexCoords));
    const std::uint8_t* p = bytes.data() + h.offsetTexCoords;
    for (TexCoord& texCoord : texCoords) {
        texCoord.s = static_cast<float>(readInt16(p)) / static_cast<float>(h.skinWidth);
        texCoord.t = 1.0f - static_cast<float>(readInt16(p + 2)) / static_cast<float>(h.skinHeight);
        p += 4;
    }
    return texCoords;
}

std::string checkTriangle(const std::string& path, const Md2Header& h, const ModelTriangle& triangle, int index)
{
    for (int corner = 0; corner < 3; ++corner) {
        if (triangle.vertexIndices[corner] >= h.numVertices)
            return path + ": triangle " + number(index) + " has the vertex index " +
                   number(triangle.vertexIndices[corner]) + ", but a frame has " + number(h.numVertices) +
                   " vertices.";
        if (triangle.texCoordIndices[corner] >= h.numTexCoords)
            return path + ": triangle " + number(index) + " has the texture coordinate index " +
                   number(triangle.texCoordIndices[corner]) + ", but the file has " + number(h.numTexCoords) +
                   " texture coordinates.";
    }
    return "";
}

std::string decodeTriangles(const Bytes& bytes, const std::string& path, const Md2Header& h,
                            std::vector<ModelTriangle>& triangles)
{
    triangles.resize(static_cast<std::size_t>(h.numTriangles));
    const std::uint8_t* p = bytes.data() + h.offsetTriangles;
    for (int i = 0; i < h.numTriangles; ++i, p += 12) {
        ModelTriangle& triangle = triangles[static_cast<std::size_t>(i)];
        for (int corner = 0; corner < 3; ++corner) {
            triangle.vertexIndices[corner] = readUint16(p + 2 * corner);
            triangle.texCoordIndices[corner] = readUint16(p + 6 + 2 * corner);
        }
        const std::string failure = checkTriangle(path, h, triangle, i);
        if (!failure.empty())
            return failure;
    }
    return "";
}

void decodeFrame(const std::uint8_t* frame, int numVertices, std::vector<Vec3>& positions)
{
    const Vec3 scale(readFloat(frame), readFloat(frame + 4), readFloat(frame + 8));
    const Vec3 translate(readFloat(frame + 12), readFloat(frame + 16), readFloat(frame + 20));
    const std::uint8_t* vertex = frame + MD2_FRAME_HEADER_SIZE;
    for (int j = 0; j < numVertices; ++j, vertex += 4) {
        positions.emplace_back(static_cast<float>(vertex[0]) * scale.x + translate.x,
                               static_cast<float>(vertex[1]) * scale.y + translate.y,
                               static_cast<float>(vertex[2]) * scale.z + translate.z);
    }
}

int framesToDecode(const Md2Header& h, int framesWanted)
{
    return std::max(0, std::min(h.numFrames, framesWanted));
}

const std::uint8_t* frameStart(const Bytes& bytes, const Md2Header& h, int k)
{
    return bytes.data() + h.offsetFrames + static_cast<std::int64_t>(k) * h.frameSize;
}

// A scale or translate of infinity or NaN would put every vertex of the frame nowhere.
std::string checkFrameTransforms(const Bytes& bytes, const std::string& path, const Md2Header& h, int framesWanted)
{
    const int frames = framesToDecode(h, framesWanted);
    for (int k = 0; k < frames; ++k) {
        const std::uint8_t* frame = frameStart(bytes, h, k);
        for (int field = 0; field < 6; ++field) {
            if (!std::isfinite(readFloat(frame + 4 * field)))
                return path + ": frame " + number(k) + " has a " + (field < 3 ? "scale" : "translate") +
                       " that is not a finite number.";
        }
    }
    return "";
}

void decodeFrames(const Bytes& bytes, const Md2Header& h, int framesWanted, Md2Contents& contents)
{
    contents.framesDecoded = framesToDecode(h, framesWanted);
    contents.framePositions.reserve(static_cast<std::size_t>(contents.framesDecoded) *
                                    static_cast<std::size_t>(h.numVertices));
    for (int k = 0; k < contents.framesDecoded; ++k)
        decodeFrame(frameStart(bytes, h, k), h.numVertices, contents.framePositions);
}

} // namespace

Md2HeaderResult readMd2Header(const Bytes& bytes, const std::string& path)
{
    Md2HeaderResult result;
    if (bytes.size() < static_cast<std::size_t>(MD2_HEADER_SIZE)) {
        result.failure = path + " is too short for an md2 header (" + number(static_cast<std::int64_t>(bytes.size())) +
                         " bytes, " + number(MD2_HEADER_SIZE) + " needed).";
        return result;
    }
    Md2Header& h = result.header;
    const std::uint8_t* p = bytes.data();
    h.version = readInt32(p + 4);
    h.skinWidth = readInt32(p + 8);
    h.skinHeight = readInt32(p + 12);
    h.frameSize = readInt32(p + 16);
    h.numVertices = readInt32(p + 24);
    h.numTexCoords = readInt32(p + 28);
    h.numTriangles = readInt32(p + 32);
    h.numFrames = readInt32(p + 40);
    h.offsetTexCoords = readInt32(p + 48);
    h.offsetTriangles = readInt32(p + 52);
    h.offsetFrames = readInt32(p + 56);
    if (h.version != MD2_VERSION)
        result.failure = path + " is not a version 8 md2 file.";
    return result;
}

Md2ContentsResult readMd2Contents(const Bytes& bytes, const std::string& path, const Md2Header& header,
                                  int framesWanted)
{
    Md2ContentsResult result;
    result.failure = checkCounts(path, header);
    if (result.failure.empty())
        result.failure = checkFrameLayout(path, header);
    if (result.failure.empty())
        result.failure = checkSkinSize(path, header);
    if (result.failure.empty())
        result.failure = checkSections(path, bytes, header);
    if (result.failure.empty())
        result.failure = checkFrameTransforms(bytes, path, header, framesWanted);
    if (result.failure.empty())
        result.failure = decodeTriangles(bytes, path, header, result.contents.triangles);
    if (!result.failure.empty())
        return result;
    result.contents.texCoords = decodeTexCoords(bytes, header);
    decodeFrames(bytes, header, framesWanted, result.contents);
    return result;
}

std::string readMd2FrameName(const Bytes& bytes, const Md2Header& header, int k)
{
    constexpr int NAME_AT = 24;  // after the scale and the translate
    constexpr int NAME_BYTES = 16;
    const std::uint8_t* name = frameStart(bytes, header, k) + NAME_AT;
    std::string text;
    for (int i = 0; i < NAME_BYTES && name[i] != 0; ++i)
        text += std::isprint(name[i]) ? static_cast<char>(name[i]) : '?';
    return text;
}

Md2SkinNames readMd2SkinNames(const Bytes& bytes, const std::string& path)
{
    constexpr int NAME_BYTES = 64;
    Md2SkinNames result;
    if (bytes.size() < static_cast<std::size_t>(MD2_HEADER_SIZE))
        return result;
    const std::int32_t count = readInt32(bytes.data() + 20);
    const std::int32_t offset = readInt32(bytes.data() + 44);
    result.failure = checkNotNegative(path, "skins", count);
    if (result.failure.empty() && count > 0)
        result.failure = checkSection(path, bytes, "skin names", offset, count, NAME_BYTES);
    if (!result.failure.empty() || count == 0)
        return result;
    for (std::int32_t i = 0; i < count; ++i) {
        const std::uint8_t* name = bytes.data() + offset + static_cast<std::int64_t>(i) * NAME_BYTES;
        result.names.emplace_back(name, std::find(name, name + NAME_BYTES, 0));
    }
    return result;
}

Md2ContentsResult parseMd2(const Bytes& bytes, const std::string& path, int framesWanted)
{
    const Md2HeaderResult header = readMd2Header(bytes, path);
    if (!header.failure.empty()) {
        Md2ContentsResult result;
        result.failure = header.failure;
        return result;
    }
    return readMd2Contents(bytes, path, header.header, framesWanted);
}
