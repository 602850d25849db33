// Named things of the world, each with an id from a running counter and a solid shape.
#pragma once

#include "level/Tetrahedron.h"

#include <string>

struct IdCounter {
    int value;  // the id handed out last

    explicit IdCounter(int start) : value(start) {}

    int next() { return ++value; }
};

struct SceneObject {
    int id;
    std::string name;
    Tetrahedron shape;

    // Draws exactly one id from the counter.
    SceneObject(IdCounter& counter, const std::string& objectName);

    int getId() const { return id; }
};

struct ItemObject : SceneObject {
    bool flagA;
    bool flagB;

    ItemObject(IdCounter& counter, const std::string& objectName, bool firstFlag, bool secondFlag);
};

struct CharacterObject : SceneObject {
    bool active;
    float amount;

    // The number comes before the flag.
    CharacterObject(IdCounter& counter, const std::string& objectName, float objectAmount, bool isActive);
};
