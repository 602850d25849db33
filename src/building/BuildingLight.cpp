// The baked light: one wrapped light, so that every side of a box gets its own shade (floors
// brightest, ceilings darkest, the four walls in between, each different) and none goes black.
#include "building/BuildingLight.h"

namespace {

// The light's direction, unit length; its three parts are spread so that the six faces of a
// box are equally far apart in shade (0.169, 0.507, 0.845 and their negatives).
const Vec3 LIGHT_DIRECTION(0.169f, 0.845f, 0.507f);
constexpr float MIDDLE = 0.725f;  // the light of a surface side-on to it
constexpr float SPREAD = 0.275f;  // how much facing the light adds, and facing away takes

std::uint8_t colourByte(float value)
{
    const float clamped = value < 0.0f ? 0.0f : value > 1.0f ? 1.0f : value;
    return static_cast<std::uint8_t>(clamped * 255.0f + 0.5f);
}

}  // namespace

float lightOn(Vec3 normal)
{
    const float length = normal.length();
    if (!(length > 0.0f) || !std::isfinite(length))
        return MIDDLE;
    const float facing = (normal.x * LIGHT_DIRECTION.x + normal.y * LIGHT_DIRECTION.y + normal.z * LIGHT_DIRECTION.z) /
                         length;
    return MIDDLE + SPREAD * facing;
}

std::vector<std::uint8_t> bakeLight(const BuildingSurface& surface, const BuildingMaterial& material)
{
    const std::size_t corners = surface.positions.size() / 3;
    const bool hasNormals = surface.normals.size() == corners * 3;
    const bool hasColours = surface.colours.size() == corners * 4;
    std::vector<std::uint8_t> colours(corners * 4);
    const float* base = material.baseColour;
    static const float WHITE[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    for (std::size_t i = 0; i < corners; ++i) {
        const float* n = hasNormals ? &surface.normals[i * 3] : nullptr;
        const float light = material.unlit ? 1.0f : n ? lightOn(Vec3(n[0], n[1], n[2])) : MIDDLE;
        const float* own = hasColours ? &surface.colours[i * 4] : WHITE;
        std::uint8_t* c = &colours[i * 4];
        c[0] = colourByte(base[0] * own[0] * light);
        c[1] = colourByte(base[1] * own[1] * light);
        c[2] = colourByte(base[2] * own[2] * light);
        c[3] = colourByte(base[3] * own[3]);
    }
    return colours;
}
