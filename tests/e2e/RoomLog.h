// What the room key prints for one generated room: its number, then a dot per triangle of
// each wall.
#pragma once

#include <string>

inline std::string roomLog(int number)
{
    std::string dots(32, '.');
    return "making new room: " + std::to_string(number) + ":\ncalculating a left wall: " + dots +
           " now 128 vertices.\ncalculating a front wall: " + dots + " now 256 vertices.\ncalculating a right wall: " +
           dots + " now 384 vertices.\ncalculating a back wall: " + dots + " now 512 vertices.\nall walls set: 512 vertices.\n";
}
