// One animated character: its triangles, texture coordinates and the vertices of every
// frame split into the fixed animation sequences, with its placement and animation state.
#pragma once

#include "level/Material.h"
#include "math/Vec3.h"
#include "md2/Md2Sequences.h"
#include "md2/ModelTriangle.h"
#include "md2/ModelVertex.h"
#include "md2/TexCoord.h"
#include "platform/Gl.h"

#include <vector>

struct TextureManager;

constexpr int PLAY_LOOP = 1;

struct Md2Model {
    int numTriangles = 0;
    int numVertices = 0;
    int numTexCoords = 0;
    // Slot of the skin in the shared texture table (-1: none), not its OpenGL name,
    // because a texture rebuild gives the slot a new name.
    int texture = -1;
    Vec3 position;
    Vec3 viewVector = Vec3(1.0f, 0.0f, 0.0f);
    float angle = 0.0f;
    Material material;
    std::vector<ModelTriangle> triangles;
    std::vector<TexCoord> texCoords;
    // Frame f of sequence s starts at record f * numVertices of entry s.
    std::vector<ModelVertex> sequenceFrames[SEQUENCE_COUNT];
    int sequence = 0;
    float framePosition = 0.0f;
    int playMode = PLAY_LOOP;
    int frameCounts[SEQUENCE_COUNT];
    GLenum primitiveMode = GL_TRIANGLES;
    bool showLightNormals = false;

    // Scratch accumulators of the normal computation, reused for every frame; their size
    // is the reason for the vertex limit per frame.
    static Vec3 lightNormal[MAX_MODEL_VERTICES];
    static int touched[MAX_MODEL_VERTICES];

    Md2Model();
    // A default record that keeps its "setting animationsequence" line to itself (announce
    // false), for the program's empty slots, which announce it once a run is asked for.
    explicit Md2Model(bool announce);

    // Smooth per-vertex normals for every stored frame of every sequence.
    void computeLightNormals();
    // The same without the progress line, for the loader's output-free conversion step.
    void fillLightNormals();

    void setAnimationSequence(int newSequence, int mode);
    // Applied before every draw: a finished sequence starts again, or a once-played one returns to 0.
    void checkSequenceEnd();
    void nextFrame();
    void previousFrame();
    void move(float distance);
    void turn(float degrees);

    // Draws the current frame (blended with the next one for a fractional frame position)
    // with the skin found at slot `texture` of the table.
    void draw(const TextureManager& textures);
};
