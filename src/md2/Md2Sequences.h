// The fixed table of animation sequences that every model's frames are split into, and the
// vertex limit of a frame: what a model file must fit, known without any OpenGL.
#pragma once

constexpr int MAX_MODEL_VERTICES = 2000;
constexpr int SEQUENCE_COUNT = 20;

// Frames of each animation sequence; the file's frames fill them in this order (198 in all).
constexpr int SEQUENCE_FRAME_COUNTS[SEQUENCE_COUNT] = {40, 6, 8, 4, 4, 4, 6, 12, 11, 17,
                                                       11, 12, 19, 6, 9, 4, 5, 6, 6, 8};
constexpr int SEQUENCE_FRAME_TOTAL = 198;

// The file frame shown as frame `tableFrame` (0 to 197) of the table: a file with fewer
// frames holds its last frame for the rest of the table.
inline int fileFrameShown(int tableFrame, int fileFrames)
{
    return tableFrame < fileFrames ? tableFrame : fileFrames - 1;
}
