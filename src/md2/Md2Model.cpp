// The default model record: the fixed sequence table, loop mode at frame 0.
#include "md2/Md2Model.h"

Md2Model::Md2Model()
{
    for (int i = 0; i < SEQUENCE_COUNT; ++i)
        frameCounts[i] = SEQUENCE_FRAME_COUNTS[i];
    setAnimationSequence(0, PLAY_LOOP);
}
