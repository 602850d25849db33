#include "cli/BuildingOptions.h"

#include <cmath>
#include <cstdlib>

namespace {

// A plain decimal number above 0 ("0.01", "2.54e-2"): no sign, no words (inf, nan), nothing after it.
std::string storeLevelScale(CommandLineOptions& options, const std::string& value)
{
    const char* start = value.c_str();
    char* end = nullptr;
    const double factor = value.empty() || value[0] == '-' || value[0] == '+' ? 0.0 : std::strtod(start, &end);
    if (end == start || end == nullptr || *end != '\0' || !std::isfinite(factor) || !(factor > 0.0) ||
        !std::isfinite(float(factor)) || !(float(factor) > 0.0f))
        return "is not a number above 0";
    options.levelScale = float(factor);
    return "";
}

std::string storeUp(CommandLineOptions& options, const std::string& value)
{
    if (value != "y" && value != "z" && value != "Y" && value != "Z")
        return "is not an axis (y or z)";
    options.zUp = value == "z" || value == "Z";
    return "";
}

}  // namespace

const char* const BUILDING_OPTIONS_DETAILS =
    "Building: --level FILE shows your own building instead of our hall: a glTF 2.0 file (.glb, or\n"
    ".gltf with its .bin files and pictures beside it) or a Wavefront OBJ file (.obj with its .mtl).\n"
    "It is taken in metres with +Y up; --level-scale FACTOR gives the metres of one of its units\n"
    "(0.01 for centimetres, 0.0254 for inches), --up z a file whose +Z is up.\n";

std::vector<OptionRow> buildingOptionRows()
{
    return {
        {"--level", "FILE", "your own building (.glb, .gltf or .obj) instead of our hall",
         storePath<&CommandLineOptions::level>},
        {"--level-scale", "FACTOR", "metres in one unit of the building file (1: metres)", storeLevelScale},
        {"--up", "AXIS", "the building file's up axis: y (as glTF has it) or z", storeUp},
    };
}
