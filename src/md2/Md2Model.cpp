// The default model record: the fixed sequence table, loop mode at frame 0.
#include "md2/Md2Model.h"

Md2Model::Md2Model() : Md2Model(true) {}

Md2Model::Md2Model(bool announce)
{
    for (int i = 0; i < SEQUENCE_COUNT; ++i)
        frameCounts[i] = SEQUENCE_FRAME_COUNTS[i];
    if (announce)
        setAnimationSequence(0, PLAY_LOOP);
}
