#include "check/BuildingCheck.h"

#include "building/BuildingLoader.h"
#include "building/BuildingStart.h"
#include "building/BuildingUnits.h"

#include <cstdio>

namespace {

std::string metres(float units)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", double(units / UNITS_PER_METRE));
    return text;
}

std::string place(Vec3 v)
{
    return "(" + metres(v.x) + ", " + metres(v.y) + ", " + metres(v.z) + ") m";
}

bool powerOfTwo(int n)
{
    return n > 0 && (n & (n - 1)) == 0;
}

const char* alphaText(AlphaMode mode)
{
    return mode == AlphaMode::Blend ? "see-through (BLEND)" : mode == AlphaMode::Mask ? "cut out (MASK)" : "opaque";
}

std::string colourText(const float* c)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2f %.2f %.2f, alpha %.2f", double(c[0]), double(c[1]), double(c[2]), double(c[3]));
    return text;
}

std::string pictureText(const BuildingMaterial& material)
{
    if (material.pictureName.empty())
        return "no picture";
    std::string text = "picture " + material.pictureName;
    if (material.image.pixels.empty())
        return text + " missing or broken: shown in its colour";
    if (!material.pictureFound.empty())
        text += ", found as " + material.pictureFound;
    return text + " (" + sizeText(material.image.width, material.image.height) + ")";
}

// What the material shows beyond its colour and picture: no light, a glow.
std::string lightText(const BuildingMaterial& material)
{
    std::string text = material.unlit ? ", unlit" : "";
    if (material.emissive[0] > 0.0f || material.emissive[1] > 0.0f || material.emissive[2] > 0.0f) {
        char glow[64];
        std::snprintf(glow, sizeof glow, ", glows %.2f %.2f %.2f", double(material.emissive[0]), double(material.emissive[1]),
                      double(material.emissive[2]));
        text += glow;
        if (!material.emissivePictureName.empty())
            text += std::string(" with emissive picture ") + material.emissivePictureName +
                    (material.emissiveImage.pixels.empty() ? " (missing or broken)" : "");
    }
    return text;
}

std::size_t triangleCount(const Building& building)
{
    std::size_t corners = 0;
    for (const BuildingSurface& surface : building.surfaces)
        corners += surface.positions.size() / 3;
    return corners / 3;
}

void addFacts(const Building& building, FileReport& report)
{
    const Vec3 side = building.high - building.low;
    report.facts.push_back("format: " + building.format);
    report.facts.push_back("meshes: " + std::to_string(building.meshCount));
    report.facts.push_back("triangles: " + std::to_string(triangleCount(building)));
    report.facts.push_back("materials: " + std::to_string(building.materials.size()));
    for (const BuildingMaterial& material : building.materials)
        report.facts.push_back("  " + material.name + ": colour " + colourText(material.baseColour) + ", " +
                               alphaText(material.alphaMode) + (material.doubleSided ? ", both sides" : "") + lightText(material) +
                               ", " + pictureText(material));
    report.facts.push_back("size: " + metres(side.x) + " x " + metres(side.y) + " x " + metres(side.z) +
                           " m (width x height x depth)");
    report.facts.push_back("the visitor starts at " + place(building.start.eye) + " (the eye), looking towards " +
                           place(building.start.lookAt));
    report.facts.push_back("because that is " + building.start.reason);
}

std::string remedyFor(const std::string& warning)
{
    if (warning.find("m across") != std::string::npos)
        return "give --level-scale with the metres of one of the file's units, or export in metres.";
    if (warning.find("texture coordinates") != std::string::npos)
        return "export the building again with one UV map.";
    if (warning.find("material file") != std::string::npos)
        return "put the .mtl file beside the .obj file, under the name the .obj gives.";
    if (warning.find("picture") != std::string::npos)
        return "put the picture beside the building file (any letter case will do), or export a glTF binary (.glb) with "
               "the pictures inside it.";
    if (warning.find("extension") != std::string::npos)
        return "export without that extension if what it adds matters to you.";
    return "export the building again.";
}

void addWarnings(const Building& building, FileReport& report)
{
    for (const std::string& warning : building.warnings)
        report.warnings.push_back({warning + ".", remedyFor(warning)});
    for (const BuildingMaterial& material : building.materials)
        if (!material.image.pixels.empty() && (!powerOfTwo(material.image.width) || !powerOfTwo(material.image.height)))
            report.warnings.push_back({"the picture " + material.pictureName + " of material " + material.name + " is " +
                                           sizeText(material.image.width, material.image.height) +
                                           ", not a power of two on each side: a driver that offers only OpenGL 1.1 "
                                           "shows it white once mipmapping is switched off (F5).",
                                       "scale the picture so that each side is 1, 2, 4, ... 512, 1024 pixels."});
    if (bodyBlocked(building, building.start.eye))
        report.warnings.push_back({"the visitor's body at the start crosses a wall, a floor or a ceiling: with solid walls "
                                   "it may be stuck there.",
                                   "place a camera, or an object named start, where a person 1.8 m tall and 0.56 m wide "
                                   "has room to stand."});
}

}  // namespace

FileReport checkBuilding(const std::string& path, float scale, bool zUp)
{
    FileReport report;
    BuildingOptions options;
    options.scale = scale;
    options.zUp = zUp;
    options.announce = false;
    const BuildingLoad load = loadBuilding(path, options);
    report.failure = load.failure;
    if (!load.ok())
        return report;
    addFacts(load.building, report);
    addWarnings(load.building, report);
    return report;
}
