// Checks that the generator runs on the building before writing it, so that
// a change to the floor plan cannot silently break what the program expects.
#pragma once

#include "level_mesh.h"

// Returns false after printing the first problem found.
bool checkLevel(const Layout& layout, const LevelMesh& mesh);
