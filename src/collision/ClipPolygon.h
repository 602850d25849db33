// Cutting a face at a height: what walls stop is the part of a face inside the body's band.
#pragma once

#include "math/Vec3.h"

// The part of a convex polygon on the kept side of the plane y = limit, into `out`, which holds
// one corner more than `in`; returns its corner count.
int clipAt(const Vec3* in, int count, float limit, bool keepAbove, Vec3* out);
