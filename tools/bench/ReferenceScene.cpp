#include "ReferenceScene.h"

#include "app/globals.h"

#include <cmath>

namespace {

Batch& batchFor(std::vector<Batch>& batches, GLuint texture, GLenum mode)
{
    for (Batch& batch : batches)
        if (batch.texture == texture && batch.mode == mode)
            return batch;
    batches.push_back(Batch{texture, mode, {}, {}});
    return batches.back();
}

void put(Batch& batch, Vec3 p, float s, float t)
{
    batch.positions.insert(batch.positions.end(), {p.x, p.y, p.z});
    batch.texCoords.insert(batch.texCoords.end(), {s, t});
}

// Corner lists become what a triangles or lines array draws: quads split in two triangles,
// a line strip cut into separate lines.
struct Corner {
    Vec3 position;
    float s, t;
};

void putPrimitive(std::vector<Batch>& batches, GLuint texture, GLenum mode, const std::vector<Corner>& corners)
{
    if (mode == GL_LINE_STRIP) {
        Batch& lines = batchFor(batches, texture, GL_LINES);
        for (std::size_t i = 1; i < corners.size(); ++i) {
            put(lines, corners[i - 1].position, corners[i - 1].s, corners[i - 1].t);
            put(lines, corners[i].position, corners[i].s, corners[i].t);
        }
        return;
    }
    Batch& triangles = batchFor(batches, texture, GL_TRIANGLES);
    const std::size_t step = mode == GL_QUADS ? 4 : 3;
    for (std::size_t i = 0; i + step <= corners.size(); i += step) {
        const std::size_t order[6] = {i, i + 1, i + 2, i, i + 2, i + 3};
        for (std::size_t k = 0; k < (step == 4 ? 6u : 3u); ++k)
            put(triangles, corners[order[k]].position, corners[order[k]].s, corners[order[k]].t);
    }
}

void gatherArchitecture(std::vector<Batch>& batches, const ArchitecturePart& part, GLuint texture)
{
    std::vector<Corner> corners;
    for (int i = 0; i < part.vertexCount; ++i) {
        const float* p = &part.vertices[static_cast<std::size_t>(i) * 3];
        const float* st = &part.texCoords[static_cast<std::size_t>(i) * 2];
        corners.push_back(Corner{Vec3(p[0], p[1], p[2]), st[0], st[1]});
    }
    putPrimitive(batches, texture, architectureMode, corners);
}

// As glTranslatef(position) then glRotatef(angle, 0, 1, 0) place a model vertex.
Vec3 placeModelVertex(const Md2Model& model, Vec3 p)
{
    const double radians = static_cast<double>(model.angle) * 3.14159265358979323846 / 180.0;
    const auto c = static_cast<float>(std::cos(radians));
    const auto s = static_cast<float>(std::sin(radians));
    return Vec3(c * p.x + s * p.z, p.y, -s * p.x + c * p.z) + model.position;
}

void gatherModel(std::vector<Batch>& batches, const Md2Model& model)
{
    const GLuint texture = textureManager.allTextures[model.texture];
    const int frame = static_cast<int>(model.framePosition);
    const ModelVertex* vertices =
        model.sequenceFrames[model.sequence].data() + static_cast<std::size_t>(frame) * model.numVertices;
    std::vector<Corner> corners;
    for (const ModelTriangle& triangle : model.triangles)
        for (int corner = 0; corner < 3; ++corner) {
            const TexCoord& st = model.texCoords[triangle.texCoordIndices[corner]];
            const Vec3 p = placeModelVertex(model, vertices[triangle.vertexIndices[corner]].position);
            corners.push_back(Corner{p, st.s, st.t});
        }
    putPrimitive(batches, texture, model.primitiveMode, corners);
    if (!model.showLightNormals || corners.empty())
        return;
    // The normal lines keep the texture coordinate of the model's last corner.
    Batch& lines = batchFor(batches, texture, GL_LINES);
    const Corner last = corners.back();
    for (const ModelTriangle& triangle : model.triangles)
        for (int corner = 0; corner < 3; ++corner) {
            const ModelVertex& v = vertices[triangle.vertexIndices[corner]];
            put(lines, placeModelVertex(model, v.position), last.s, last.t);
            put(lines, placeModelVertex(model, v.position + v.normal), last.s, last.t);
        }
}

void gatherRoom(std::vector<Batch>& batches, const Room& room)
{
    std::vector<Corner> corners;
    int pair = 0;
    for (int k = 0; k + 3 < room.vertexCount; k += 4)
        for (int corner = 1; corner <= 3; ++corner) {
            const Vec3 p = room.vertices[static_cast<std::size_t>(k + corner)] + room.position;
            corners.push_back(Corner{p, room.cellTexCoords[pair][0], room.cellTexCoords[pair][1]});
            pair = (pair + 1) % 6;
        }
    putPrimitive(batches, textureManager.allTextures[room.texture], room.primitiveMode, corners);
}

}  // namespace

void ReferenceScene::build()
{
    batches.clear();
    gatherArchitecture(batches, walls, textureManager.allTextures[wallTexture]);
    gatherArchitecture(batches, ceiling, textureManager.allTextures[ceilingTexture]);
    for (int i = 0; i < modelManager.modelCount; ++i)
        gatherModel(batches, modelManager.models[i]);
    for (int r = 0; r < level.roomCount; ++r)
        gatherRoom(batches, *level.rooms[r]);
}

void ReferenceScene::draw() const
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    gluLookAt(camera.position.x, camera.position.y, camera.position.z, camera.viewPoint.x, camera.viewPoint.y,
              camera.viewPoint.z, camera.up.x, camera.up.y, camera.up.z);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    for (const Batch& batch : batches) {
        glBindTexture(GL_TEXTURE_2D, batch.texture);
        glVertexPointer(3, GL_FLOAT, 0, batch.positions.data());
        glTexCoordPointer(2, GL_FLOAT, 0, batch.texCoords.data());
        glDrawArrays(batch.mode, 0, static_cast<GLsizei>(batch.positions.size() / 3));
    }
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
}
