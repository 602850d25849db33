// Helpers for the model tests: MD2 files built in memory, written to the test's temporary
// folder, and model records filled directly, frame by frame.
#pragma once

#include "md2/Md2Model.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Byte offsets of header fields that the damaged-file tests change.
constexpr std::size_t MD2_AT_VERSION = 4;
constexpr std::size_t MD2_AT_SKIN_WIDTH = 8;
constexpr std::size_t MD2_AT_SKIN_HEIGHT = 12;
constexpr std::size_t MD2_AT_FRAME_SIZE = 16;
constexpr std::size_t MD2_AT_VERTICES = 24;
constexpr std::size_t MD2_AT_TEXCOORDS = 28;
constexpr std::size_t MD2_AT_TRIANGLES = 32;
constexpr std::size_t MD2_AT_FRAMES = 40;
constexpr std::size_t MD2_AT_OFFSET_TEXCOORDS = 48;
constexpr std::size_t MD2_AT_OFFSET_TRIANGLES = 52;
constexpr std::size_t MD2_AT_OFFSET_FRAMES = 56;

struct Md2TestFrame {
    float scale[3] = {1.0f, 1.0f, 1.0f};
    float translate[3] = {0.0f, 0.0f, 0.0f};
    std::vector<std::array<std::uint8_t, 3>> vertices;
};

// A valid version 8 file: header, skin name, texture coordinates, triangles (in file corner
// order), frames, and the GL command list (a single 0), at the offsets the header names.
struct Md2TestFile {
    std::int32_t skinWidth = 256;
    std::int32_t skinHeight = 128;
    std::int32_t numVertices = 3;
    std::vector<std::array<std::int16_t, 2>> texCoords;
    // Three vertex indices, then three texture-coordinate indices.
    std::vector<std::array<std::uint16_t, 6>> triangles;
    std::vector<Md2TestFrame> frames;

    std::vector<std::uint8_t> bytes() const;
};

// numFrames frames of numVertices vertices; vertex j of frame k sits at the bytes
// (k, j, 7 + j * j), each taken modulo 256; one triangle (0, 1, 2) with texture coordinates 0, 1, 2.
Md2TestFile makeTestFile(int numFrames, int numVertices);

void putInt32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::int32_t value);
void putUint16(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint16_t value);
std::int32_t getInt32(const std::vector<std::uint8_t>& bytes, std::size_t offset);

// Writes the bytes under the test's temporary folder and returns the path.
std::string writeTestFile(const std::string& name, const std::vector<std::uint8_t>& bytes);

// A model with the given triangles (stored corner order) whose vertex i of frame f of
// sequence s sits at position(s, f, i), all normals (0, 0, 0).
Md2Model makeTestModel(int numVertices, const std::vector<ModelTriangle>& triangles,
                       const std::function<Vec3(int s, int f, int i)>& position);

// The text that a default model record prints when it is built.
constexpr const char* DEFAULT_MODEL_LINE = "setting animationsequence 0\n";
