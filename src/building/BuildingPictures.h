// The picture files a building's materials name, found as a character's skins are and decoded
// through our picture readers. A picture missing or broken is one warning; its surfaces keep
// their material's colour.
#pragma once

#include "building/Building.h"

#include <string>

// `folder` is the building file's folder; glTF names pictures as URIs (%20 for a space).
void loadBuildingPictures(Building& building, const std::string& folder, bool uriNames, bool announce);
