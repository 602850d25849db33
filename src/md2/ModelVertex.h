// One vertex of one model frame: its position and its light normal.
#pragma once

#include "math/Vec3.h"

struct ModelVertex {
    Vec3 position;
    Vec3 normal;
};
