// One texture coordinate of a model, as a fraction of the skin's width and height.
#pragma once

struct TexCoord {
    float s;
    float t;
};
