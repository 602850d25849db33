// The light on a user's building, baked into one colour per corner when it is set up: surfaces
// of one colour facing different ways are told apart, and a texture keeps its own colours,
// only brighter or darker. No OpenGL lighting state is needed to show it.
#pragma once

#include "building/Building.h"

#include <cstdint>
#include <vector>

// How bright a surface facing `normal` is: 1 facing the light (from above, in front and to
// the right of the default view), down to 0.45 facing away from it; 0.725 when the normal
// says nothing (zero or not finite).
float lightOn(Vec3 normal);

// The surface's corners as RGBA bytes for a colour array: the material's base colour times the
// corner's own colour (where the file gives one) times the light of its normal (none for an
// unlit material), alpha unchanged by the light. The emissive glow is drawn over it apart.
std::vector<std::uint8_t> bakeLight(const BuildingSurface& surface, const BuildingMaterial& material);
