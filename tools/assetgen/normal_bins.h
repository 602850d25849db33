// Quantises a direction to one of 162 bins, as MD2 frames store a normal index per vertex.
#pragma once

#include "vec3.h"

// Readers only need the index in 0..161; ours are the vertices of a twice
// subdivided icosahedron, so nearby directions get nearby bins.
int normalBin(Vec3 direction);
