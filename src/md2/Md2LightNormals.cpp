// Smooth vertex normals: each vertex takes the average of the face normals around it.
#include "md2/Md2Model.h"

#include <cmath>
#include <cstdio>

Vec3 Md2Model::lightNormal[MAX_MODEL_VERTICES];
int Md2Model::touched[MAX_MODEL_VERTICES];

namespace {

// A vertex that no face uses, or whose faces cancel, has no direction: it gets (0, 0, 0).
Vec3 unitOrZero(Vec3 normv)
{
    const float length = normv.length();
    if (!(length > 0.0f) || !std::isfinite(length))
        return Vec3();
    return Vec3(normv.x / length, normv.y / length, normv.z / length);
}

// How many triangles use each vertex: the same for every frame, so counted once per model.
void countTouches(const std::vector<ModelTriangle>& triangles, int numVertices)
{
    for (int i = 0; i < numVertices; ++i)
        Md2Model::touched[i] = 0;
    for (const ModelTriangle& triangle : triangles)
        for (int corner = 0; corner < 3; ++corner)
            Md2Model::touched[triangle.vertexIndices[corner]] += 1;
}

void accumulateFaces(const std::vector<ModelTriangle>& triangles, const ModelVertex* frame)
{
    for (const ModelTriangle& triangle : triangles) {
        const std::uint16_t* index = triangle.vertexIndices;
        const Vec3 p1 = frame[index[0]].position;
        const Vec3 u = p1 - frame[index[1]].position;
        const Vec3 v = p1 - frame[index[2]].position;
        // Not normalised, so that larger faces weigh more.
        const Vec3 n = u.cross(v);
        for (int corner = 0; corner < 3; ++corner)
            Md2Model::lightNormal[index[corner]] = Md2Model::lightNormal[index[corner]] + n;
    }
}

void computeFrameNormals(const std::vector<ModelTriangle>& triangles, ModelVertex* frame, int numVertices)
{
    for (int i = 0; i < numVertices; ++i)
        Md2Model::lightNormal[i] = Vec3();
    accumulateFaces(triangles, frame);
    for (int i = 0; i < numVertices; ++i) {
        Vec3 normv = Md2Model::lightNormal[i];
        if (Md2Model::touched[i] >= 1)
            normv = normv / static_cast<float>(Md2Model::touched[i]);
        frame[i].normal = unitOrZero(normv);
    }
}

bool storesFrame(const Md2Model& model, int s, int f)
{
    const std::size_t end = static_cast<std::size_t>(f + 1) * static_cast<std::size_t>(model.numVertices);
    return end <= model.sequenceFrames[s].size();
}

} // namespace

void Md2Model::computeLightNormals()
{
    std::printf("computing the light normals.\n");
    fillLightNormals();
}

void Md2Model::fillLightNormals()
{
    countTouches(triangles, numVertices);
    for (int s = 0; s < SEQUENCE_COUNT; ++s) {
        for (int f = 0; f < frameCounts[s] && storesFrame(*this, s, f); ++f) {
            ModelVertex* frame = sequenceFrames[s].data() + static_cast<std::size_t>(f) * numVertices;
            computeFrameNormals(triangles, frame, numVertices);
        }
    }
}
