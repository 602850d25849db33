// Paints the pilgrim's skin: every part's island gets its cloth, leather, wood or
// face colours with the light and shade baked in, since the program draws unlit.
#pragma once

#include "lathe.h"
#include "paint_kit.h"
#include "tga_writer.h"

#include <vector>

RgbImage paintSkin(const std::vector<PartShape>& parts);

// The unshaded colour of a part at a surface point.
Rgb partColour(const std::string& part, const SurfacePoint& sp);
Rgb headColour(const SurfacePoint& sp);

// Paint helpers shared by the colour files.
float restHeight(const SurfacePoint& sp);
bool facesInward(const SurfacePoint& sp);  // the inner wall of a shell (cape, skirt, brim)
// A scallop shell, the pilgrim's badge: coverage and colour at (dx, dy) from its hinge.
float scallop(float dx, float dy, float size, Rgb& colour);
