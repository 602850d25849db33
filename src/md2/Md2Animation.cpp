// Choosing and stepping animation frames, and moving and turning the model along its heading.
#include "md2/Md2Model.h"

#include <cmath>
#include <cstdio>

void Md2Model::setAnimationSequence(int newSequence, int mode)
{
    std::printf("setting animationsequence %d\n", newSequence);
    playMode = mode;
    sequence = newSequence;
    framePosition = 0.0f;
}

void Md2Model::checkSequenceEnd()
{
    if (framePosition < static_cast<float>(frameCounts[sequence]))
        return;
    if (playMode == PLAY_LOOP)
        framePosition = 0.0f;
    else
        setAnimationSequence(0, PLAY_LOOP);
}

void Md2Model::nextFrame()
{
    framePosition += 1.0f;
    if (framePosition >= static_cast<float>(frameCounts[sequence]))
        framePosition = 0.0f;
}

void Md2Model::previousFrame()
{
    framePosition -= 1.0f;
    if (framePosition < 0.0f)
        framePosition = static_cast<float>(frameCounts[sequence] - 1);
}

void Md2Model::move(float distance)
{
    position.x += distance * viewVector.x;
    position.z += distance * viewVector.z;
}

void Md2Model::turn(float degrees)
{
    angle += degrees;
    if (angle >= 360.0f)
        angle -= 360.0f;
    if (angle < 0.0f)
        angle += 360.0f;
    // This rounded constant, not a more precise pi / 180, so headings match the ones the model always had.
    const float radians = static_cast<float>(static_cast<double>(angle) * 0.01745329251994);
    viewVector.x = static_cast<float>(std::cos(static_cast<double>(radians)));
    viewVector.z = static_cast<float>(-std::sin(static_cast<double>(radians)));
}
