// The loading steps of a model before its skin: file, checks, texture coordinates,
// the frames split into the animation sequences, triangles and light normals.
#include "md2/Md2Conversion.h"
#include "md2/Md2File.h"
#include "md2/Md2FileBytes.h"
#include "md2/ModelManager.h"

#include "data/LoadFailure.h"

#include <cstdio>
#include <string>
#include <utility>

namespace {

std::vector<std::uint8_t> readModelFile(const char* modelPath, int modelCount)
{
    Md2FileBytes file = readMd2FileBytes(modelPath);
    if (file.opened)
        std::printf("\nloading model number %d: %s\n", modelCount, modelPath);
    if (!file.failure.empty())
        endWithLoadFailure(file.failure);
    return std::move(file.bytes);
}

void printSplit(const Md2Conversion& split)
{
    for (const SequenceFill& fill : split.stored)
        std::printf("stored animation %d (%d frames).\n", fill.sequence, fill.frames);
    std::printf("finishing with animation %d (%d frames).\n", split.last.sequence, split.last.frames);
}

// The conversion prints nothing, so its progress lines follow it in the order the steps run.
void printConversion(const Md2Model& model, const Md2Conversion& split, int numFrames)
{
    std::printf("reading %d texture coordinates.\n", model.numTexCoords);
    std::printf("reading vertices:\n");
    std::printf("file has %d frames. Each frame has %d vertices.\n", numFrames, model.numVertices);
    printSplit(split);
    std::printf("reading %d triangles.\n", model.numTriangles);
    std::printf("computing the light normals.\n");
}

} // namespace

Md2Model ModelManager::readModel(Vec3 scale, const char* modelPath, std::vector<std::uint8_t>* fileBytes) const
{
    Md2Model model;
    if (modelCount >= MAX_MODELS)
        endWithLoadFailure("Too many md2 models.");
    const std::vector<std::uint8_t> bytes = readModelFile(modelPath, modelCount);
    const Md2HeaderResult header = readMd2Header(bytes, modelPath);
    if (!header.failure.empty())
        endWithLoadFailure(header.failure);
    model.framePosition = 0.0f;
    model.setAnimationSequence(0, PLAY_LOOP);
    const Md2ContentsResult body = readMd2Contents(bytes, modelPath, header.header, SEQUENCE_FRAME_TOTAL);
    if (!body.failure.empty())
        endWithLoadFailure(body.failure);
    const Md2Conversion split = convertMd2(model, header.header, body.contents, scale);
    printConversion(model, split, header.header.numFrames);
    if (fileBytes)
        *fileBytes = bytes;
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
