// The level's table of generated rooms: made on demand, drawn every frame, never removed.
#pragma once

#include "level/Room.h"
#include "platform/Gl.h"

#include <memory>

struct TextureManager;

constexpr int MAX_ROOMS = 10;

struct Level {
    int roomCount = 0;
    std::unique_ptr<Room> rooms[MAX_ROOMS];

    // Generates a room with its console log and appends it; a full level refuses it with a message.
    void makeRoom(float width, float height, float depth, int subdivisions, bool doorLeft, bool doorFront,
                  bool doorRight, bool doorBack, Vec3 position, int texture);

    // Draws every room in the order made; with no rooms nothing reaches OpenGL.
    void draw(const TextureManager& textures) const;

    // The wireframe switch: GL_LINE_STRIP while it is on, GL_TRIANGLES otherwise.
    void setRoomPrimitiveMode(GLenum mode);
};
