// Making, drawing and switching the primitive of the level's rooms.
#include "level/Level.h"

#include <cstdio>

void Level::makeRoom(float width, float height, float depth, int subdivisions, bool doorLeft, bool doorFront,
                     bool doorRight, bool doorBack, Vec3 position, int texture)
{
    if (roomCount >= MAX_ROOMS) {
        std::printf("cannot make room %d: the level holds at most %d rooms.\n", roomCount, MAX_ROOMS);
        return;
    }
    std::printf("making new room: %d:\n", roomCount);
    rooms[roomCount] = std::make_unique<Room>(width, height, depth, subdivisions, doorLeft, doorFront, doorRight,
                                              doorBack, position, texture);
    ++roomCount;
    std::printf("\n");
}

void Level::draw(const TextureManager& textures) const
{
    for (int r = 0; r < roomCount; ++r)
        rooms[r]->draw(textures);
}

void Level::setRoomPrimitiveMode(GLenum mode)
{
    for (int r = 0; r < roomCount; ++r)
        rooms[r]->primitiveMode = mode;
}
