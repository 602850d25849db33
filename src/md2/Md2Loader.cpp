// The loading steps of a model before its skin: file, checks, texture coordinates,
// the frames split into the animation sequences, triangles and light normals.
#include "md2/Md2Conversion.h"
#include "md2/Md2File.h"
#include "md2/Md2FileBytes.h"
#include "md2/ModelManager.h"

#include <cstdio>
#include <string>
#include <utility>

namespace {

const char* const TOO_MANY_MODELS = "Too many md2 models.";

Md2FileBytes readModelFile(const char* modelPath, int number)
{
    Md2FileBytes file = readMd2FileBytes(modelPath);
    if (file.opened)
        std::printf("\nloading model number %d: %s\n", number, modelPath);
    return file;
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

ModelRead ModelManager::readModel(Vec3 scale, const char* modelPath, std::vector<std::uint8_t>* fileBytes) const
{
    return readModelAs(modelCount, scale, modelPath, fileBytes);
}

ModelRead ModelManager::readModelAs(int slot, Vec3 scale, const char* modelPath, std::vector<std::uint8_t>* fileBytes) const
{
    ModelRead read;
    // The first problem met is the one the file is refused with.
    const auto refused = [&read](const std::string& failure) {
        read.failure = failure;
        return !read.ok();
    };
    if (refused(slot >= MAX_MODELS ? TOO_MANY_MODELS : ""))
        return read;
    const Md2FileBytes file = readModelFile(modelPath, slot);
    if (refused(file.failure))
        return read;
    const Md2HeaderResult header = readMd2Header(file.bytes, modelPath);
    if (refused(header.failure))
        return read;
    Md2Model& model = read.model;
    model.framePosition = 0.0f;
    model.setAnimationSequence(0, PLAY_LOOP);
    const Md2ContentsResult body = readMd2Contents(file.bytes, modelPath, header.header, SEQUENCE_FRAME_TOTAL);
    if (refused(body.failure))
        return read;
    const Md2Conversion split = convertMd2(model, header.header, body.contents, scale);
    printConversion(model, split, header.header.numFrames);
    if (fileBytes)
        *fileBytes = file.bytes;
    return read;
}

ModelLoad ModelManager::addModel(Md2Model model)
{
    return putModel(modelCount, std::move(model));
}

ModelLoad ModelManager::putModel(int slot, Md2Model model)
{
    if (slot >= MAX_MODELS)
        return {-1, TOO_MANY_MODELS};
    models[slot] = std::move(model);
    modelCount = slot < modelCount ? modelCount : slot + 1;
    std::printf("model loaded.\n");
    return {slot, ""};
}
