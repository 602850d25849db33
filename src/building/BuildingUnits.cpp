#include "building/BuildingUnits.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Z up to Y up turning about X, so that a right-handed file stays right-handed.
Vec3 turned(Vec3 v, bool zUp)
{
    return zUp ? Vec3(v.x, v.z, -v.y) : v;
}

std::string metresText(float metres)
{
    char text[32];
    std::snprintf(text, sizeof text, metres < 10.0f ? "%.2f" : "%.0f", double(metres));
    return text;
}

void warnAboutSize(Building& building)
{
    const float metres = sizeInMetres(building);
    if (metres <= 0.0f)
        return;
    if (metres < 1.0f)
        building.warnings.push_back("the building is " + metresText(metres) +
                                    " m across: it is likely in kilometres, or was scaled down on export; give "
                                    "--level-scale FACTOR (1000 for kilometres) to make it a building's size");
    else if (metres > 5000.0f) {
        const bool millimetres = metres / 1000.0f >= 2.0f;
        building.warnings.push_back("the building is " + metresText(metres) + " m across: it is likely in " +
                                    (millimetres ? "millimetres; give --level-scale 0.001" : "centimetres; give --level-scale 0.01") +
                                    " (0.0254 for inches)");
    }
}

}  // namespace

float sizeInMetres(const Building& building)
{
    const Vec3 side = building.high - building.low;
    return std::max({side.x, side.y, side.z, 0.0f}) / UNITS_PER_METRE;
}

std::string toOurUnits(BuildingRead& read, const BuildingOptions& options)
{
    Building& building = read.building;
    const float factor = options.scale * UNITS_PER_METRE;
    bool first = true;
    for (BuildingSurface& surface : building.surfaces)
        for (std::size_t i = 0; i + 2 < surface.positions.size(); i += 3) {
            const Vec3 p = turned(Vec3(surface.positions[i], surface.positions[i + 1], surface.positions[i + 2]), options.zUp) * factor;
            const Vec3 n = turned(Vec3(surface.normals[i], surface.normals[i + 1], surface.normals[i + 2]), options.zUp);
            if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z))
                return "a corner lies too far out to be held as a number once scaled";
            std::copy_n(&p.x, 3, surface.positions.begin() + long(i));
            std::copy_n(&n.x, 3, surface.normals.begin() + long(i));
            building.low = first ? p : Vec3(std::min(building.low.x, p.x), std::min(building.low.y, p.y), std::min(building.low.z, p.z));
            building.high = first ? p : Vec3(std::max(building.high.x, p.x), std::max(building.high.y, p.y), std::max(building.high.z, p.z));
            first = false;
        }
    read.mark.position = turned(read.mark.position, options.zUp) * factor;
    read.mark.forward = turned(read.mark.forward, options.zUp);
    warnAboutSize(building);
    return "";
}
