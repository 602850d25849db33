// Sanity checks on the built mesh before anything is written.
#pragma once

#include "mesh.h"

// Every part must be closed (each edge shared by exactly two triangles running
// opposite ways) and wound clockwise from outside (negative signed volume).
// Prints what is wrong and returns false otherwise.
bool checkMesh(const Mesh& mesh);
