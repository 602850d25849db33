// The floor plan of the building and the places the program puts things in it.
#pragma once

#include "level_mesh.h"

// The program's room key builds room k (1..kRoomCount) as an 8 x 8 x 8 box
// whose lowest corner is at (-12k, 0, -12k).
constexpr int kRoomCount = 7;
constexpr double kRoomSize = 8.0;
constexpr double kRoomStep = 12.0;
constexpr double kRoomClearance = 1.0;  // no wall this close to a room box

constexpr Point kStart{7.5, 0.0};      // camera start, looking along -x
constexpr Point kCharacter{8.0, 8.0};  // where the character stands

// A hall round the start, then one chamber round each room along the
// diagonal row, each joined to the next by a doorway in a thick partition.
Layout buildLayout();
