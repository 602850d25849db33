// The loading steps of a model before its skin: file, checks, texture coordinates,
// the frames split into the animation sequences, triangles and light normals.
#include "md2/Md2File.h"
#include "md2/ModelManager.h"

#include "math/LoadFailure.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

namespace {

// The whole file, or a failure if it cannot be read to its end.
bool readWholeFile(std::FILE* file, std::vector<std::uint8_t>& bytes)
{
    if (std::fseek(file, 0, SEEK_END) != 0)
        return false;
    const long size = std::ftell(file);
    if (size < 0 || std::fseek(file, 0, SEEK_SET) != 0)
        return false;
    bytes.resize(static_cast<std::size_t>(size));
    return std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

std::vector<std::uint8_t> readModelFile(const char* modelPath, int modelCount)
{
    std::FILE* file = std::fopen(modelPath, "rb");
    if (!file)
        endWithLoadFailure(std::string("cannot open ") + modelPath);
    std::printf("\nloading model number %d: %s\n", modelCount, modelPath);
    std::vector<std::uint8_t> bytes;
    const bool complete = readWholeFile(file, bytes);
    std::fclose(file);
    if (!complete)
        endWithLoadFailure(std::string("cannot read ") + modelPath);
    return bytes;
}

// The file's axes are turned into the scene's: the file's z is up.
Vec3 toModelSpace(Vec3 filePosition, Vec3 scale)
{
    const float x = scale.x * filePosition.x;
    const float y = scale.y * filePosition.y;
    const float z = scale.z * filePosition.z;
    return Vec3(x, z, -y);
}

// Walks the 198 frames of the sequence table; a file with fewer frames repeats its last
// frame for the rest, frames past the table were not decoded.
void storeFrames(Md2Model& model, const Md2Contents& contents, Vec3 scale)
{
    const std::size_t nv = static_cast<std::size_t>(model.numVertices);
    for (int s = 0; s < SEQUENCE_COUNT; ++s)
        model.sequenceFrames[s].assign(static_cast<std::size_t>(model.frameCounts[s]) * nv, ModelVertex());
    int s = 0;
    int counter = 0;
    for (int k = 0; k < SEQUENCE_FRAME_TOTAL; ++k) {
        const Vec3* source = contents.framePositions.data() + std::min(k, contents.framesDecoded - 1) * nv;
        for (std::size_t j = 0; j < nv; ++j) {
            if (counter >= model.frameCounts[s]) {
                std::printf("stored animation %d (%d frames).\n", s, counter);
                ++s;
                counter = 0;
            }
            model.sequenceFrames[s][static_cast<std::size_t>(counter) * nv + j].position =
                toModelSpace(source[j], scale);
        }
        ++counter;
    }
    std::printf("finishing with animation %d (%d frames).\n", s, counter);
}

// Stored corners run the other way round than in the file.
std::vector<ModelTriangle> reversedCorners(const std::vector<ModelTriangle>& fileTriangles)
{
    std::vector<ModelTriangle> triangles(fileTriangles.size());
    for (std::size_t i = 0; i < triangles.size(); ++i) {
        for (int corner = 0; corner < 3; ++corner) {
            triangles[i].vertexIndices[corner] = fileTriangles[i].vertexIndices[2 - corner];
            triangles[i].texCoordIndices[corner] = fileTriangles[i].texCoordIndices[2 - corner];
        }
    }
    return triangles;
}

void fillModel(Md2Model& model, const Md2Contents& contents, int numFrames, Vec3 scale)
{
    std::printf("reading %d texture coordinates.\n", model.numTexCoords);
    model.texCoords = contents.texCoords;
    std::printf("reading vertices:\n");
    std::printf("file has %d frames. Each frame has %d vertices.\n", numFrames, model.numVertices);
    storeFrames(model, contents, scale);
    std::printf("reading %d triangles.\n", model.numTriangles);
    model.triangles = reversedCorners(contents.triangles);
}

} // namespace

Md2Model ModelManager::readModel(Vec3 scale, const char* modelPath) const
{
    Md2Model model;
    if (modelCount >= MAX_MODELS)
        endWithLoadFailure("Too many md2 models.");
    const std::vector<std::uint8_t> bytes = readModelFile(modelPath, modelCount);
    const Md2HeaderResult header = readMd2Header(bytes, modelPath);
    if (!header.failure.empty())
        endWithLoadFailure(header.failure);
    model.framePosition = 0.0f;
    model.numTexCoords = header.header.numTexCoords;
    model.numTriangles = header.header.numTriangles;
    model.numVertices = header.header.numVertices;
    model.setAnimationSequence(0, PLAY_LOOP);
    const Md2ContentsResult body = readMd2Contents(bytes, modelPath, header.header, SEQUENCE_FRAME_TOTAL);
    if (!body.failure.empty())
        endWithLoadFailure(body.failure);
    fillModel(model, body.contents, header.header.numFrames, scale);
    model.computeLightNormals();
    return model;
}

int ModelManager::addModel(Md2Model model)
{
    if (modelCount >= MAX_MODELS)
        endWithLoadFailure("Too many md2 models.");
    models[modelCount] = std::move(model);
    ++modelCount;
    std::printf("model loaded.\n");
    return modelCount - 1;
}
