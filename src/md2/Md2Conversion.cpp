// The conversion of decoded MD2 contents into the model's own record, kept free of output
// so that any accepted file can be run through it (the loader prints the progress after).
#include "md2/Md2Conversion.h"

namespace {

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
Md2Conversion storeFrames(Md2Model& model, const Md2Contents& contents, Vec3 scale)
{
    Md2Conversion split;
    const std::size_t nv = static_cast<std::size_t>(model.numVertices);
    for (int s = 0; s < SEQUENCE_COUNT; ++s)
        model.sequenceFrames[s].assign(static_cast<std::size_t>(model.frameCounts[s]) * nv, ModelVertex());
    int s = 0;
    int counter = 0;
    for (int k = 0; k < SEQUENCE_FRAME_TOTAL; ++k) {
        const Vec3* source =
            contents.framePositions.data() + static_cast<std::size_t>(fileFrameShown(k, contents.framesDecoded)) * nv;
        for (std::size_t j = 0; j < nv; ++j) {
            if (counter >= model.frameCounts[s]) {
                split.stored.push_back({s, counter});
                ++s;
                counter = 0;
            }
            model.sequenceFrames[s][static_cast<std::size_t>(counter) * nv + j].position =
                toModelSpace(source[j], scale);
        }
        ++counter;
    }
    split.last = {s, counter};
    return split;
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

} // namespace

Md2Conversion convertMd2(Md2Model& model, const Md2Header& header, const Md2Contents& contents, Vec3 scale)
{
    model.numTexCoords = header.numTexCoords;
    model.numTriangles = header.numTriangles;
    model.numVertices = header.numVertices;
    model.texCoords = contents.texCoords;
    const Md2Conversion split = storeFrames(model, contents, scale);
    model.triangles = reversedCorners(contents.triangles);
    model.fillLightNormals();
    return split;
}
