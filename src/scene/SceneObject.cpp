// Construction of the named scene objects.
#include "scene/SceneObject.h"

SceneObject::SceneObject(IdCounter& counter, const std::string& objectName)
    : id(counter.next()), name(objectName), shape()
{
}

ItemObject::ItemObject(IdCounter& counter, const std::string& objectName, bool firstFlag, bool secondFlag)
    : SceneObject(counter, objectName), flagA(firstFlag), flagB(secondFlag)
{
}

CharacterObject::CharacterObject(IdCounter& counter, const std::string& objectName, float objectAmount,
                                 bool isActive)
    : SceneObject(counter, objectName), active(isActive), amount(objectAmount)
{
}
