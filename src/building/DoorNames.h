// Doors told by their names, in the languages modellers export in.
#pragma once

#include <string>

// Whether a name (of a node, mesh, material, or OBJ object or group) names a door: it holds the
// word for door in English, German, French, Spanish, Italian or Portuguese, Dutch, Danish and
// Norwegian, Swedish, Finnish, Polish, Czech, Russian, Chinese, Japanese or Korean, or an IFC
// door (IfcDoor...), in any letter case. A word of letters counts where it starts or ends a word
// ("Door_3", "Haustür", "IfcDoor"), not inside one ("Portal", "outdoor").
bool isDoorName(const std::string& name);

// Whether a door's name says it is the building's main entrance (front door, Haustür, entrée...).
bool isEntranceName(const std::string& name);
