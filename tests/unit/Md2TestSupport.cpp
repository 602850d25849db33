// MD2 files built in memory for the loader tests, and directly filled model records.
#include "Md2TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>

namespace {

void appendInt32(std::vector<std::uint8_t>& bytes, std::int32_t value)
{
    bytes.resize(bytes.size() + 4);
    putInt32(bytes, bytes.size() - 4, value);
}

void appendUint16(std::vector<std::uint8_t>& bytes, std::uint16_t value)
{
    bytes.push_back(static_cast<std::uint8_t>(value & 0xff));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void appendFloat(std::vector<std::uint8_t>& bytes, float value)
{
    std::int32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    appendInt32(bytes, bits);
}

void appendFrame(std::vector<std::uint8_t>& bytes, const Md2TestFrame& frame, int index)
{
    for (float s : frame.scale)
        appendFloat(bytes, s);
    for (float t : frame.translate)
        appendFloat(bytes, t);
    char name[16] = {};
    std::snprintf(name, sizeof name, "frame%03d", index);
    bytes.insert(bytes.end(), name, name + 16);
    for (const auto& v : frame.vertices) {
        bytes.insert(bytes.end(), v.begin(), v.end());
        bytes.push_back(0); // normal index, unused by the loader
    }
}

} // namespace

std::vector<std::uint8_t> Md2TestFile::bytes() const
{
    const std::int32_t frameSize = 40 + 4 * numVertices;
    const std::int32_t offsetSkins = 68;
    const std::int32_t offsetTexCoords = offsetSkins + 64;
    const std::int32_t offsetTriangles = offsetTexCoords + 4 * static_cast<std::int32_t>(texCoords.size());
    const std::int32_t offsetFrames = offsetTriangles + 12 * static_cast<std::int32_t>(triangles.size());
    const std::int32_t offsetGlCommands = offsetFrames + frameSize * static_cast<std::int32_t>(frames.size());
    const std::int32_t offsetEnd = offsetGlCommands + 4;

    std::vector<std::uint8_t> out;
    out.insert(out.end(), {'I', 'D', 'P', '2'});
    for (std::int32_t field : {8, skinWidth, skinHeight, frameSize, 1, numVertices,
                               static_cast<std::int32_t>(texCoords.size()), static_cast<std::int32_t>(triangles.size()),
                               1, static_cast<std::int32_t>(frames.size()), offsetSkins, offsetTexCoords,
                               offsetTriangles, offsetFrames, offsetGlCommands, offsetEnd})
        appendInt32(out, field);
    char skin[64] = "pelgrin2.tga";
    out.insert(out.end(), skin, skin + 64);
    for (const auto& tc : texCoords) {
        appendUint16(out, static_cast<std::uint16_t>(tc[0]));
        appendUint16(out, static_cast<std::uint16_t>(tc[1]));
    }
    for (const auto& triangle : triangles)
        for (std::uint16_t index : triangle)
            appendUint16(out, index);
    for (std::size_t k = 0; k < frames.size(); ++k)
        appendFrame(out, frames[k], static_cast<int>(k));
    appendInt32(out, 0);
    return out;
}

Md2TestFile makeTestFile(int numFrames, int numVertices)
{
    Md2TestFile file;
    file.numVertices = numVertices;
    file.texCoords = {{0, 0}, {128, 0}, {0, 64}};
    if (numVertices >= 3)
        file.triangles = {{0, 1, 2, 0, 1, 2}};
    file.frames.resize(static_cast<std::size_t>(numFrames));
    for (int k = 0; k < numFrames; ++k)
        for (int j = 0; j < numVertices; ++j)
            file.frames[static_cast<std::size_t>(k)].vertices.push_back(
                {static_cast<std::uint8_t>(k), static_cast<std::uint8_t>(j), static_cast<std::uint8_t>(7 + j * j)});
    return file;
}

void putInt32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::int32_t value)
{
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 4; ++i)
        bytes[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(bits >> (8 * i));
}

void putUint16(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint16_t value)
{
    bytes[offset] = static_cast<std::uint8_t>(value & 0xff);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

std::int32_t getInt32(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= static_cast<std::uint32_t>(bytes[offset + static_cast<std::size_t>(i)]) << (8 * i);
    std::int32_t value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string writeTestFile(const std::string& name, const std::vector<std::uint8_t>& bytes)
{
    const std::string path = testing::TempDir() + name;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

Md2Model makeTestModel(int numVertices, const std::vector<ModelTriangle>& triangles,
                       const std::function<Vec3(int s, int f, int i)>& position)
{
    Md2Model model;
    model.numVertices = numVertices;
    model.numTriangles = static_cast<int>(triangles.size());
    model.triangles = triangles;
    for (int s = 0; s < SEQUENCE_COUNT; ++s) {
        for (int f = 0; f < model.frameCounts[s]; ++f)
            for (int i = 0; i < numVertices; ++i)
                model.sequenceFrames[s].push_back(ModelVertex{position(s, f, i), Vec3()});
    }
    return model;
}
