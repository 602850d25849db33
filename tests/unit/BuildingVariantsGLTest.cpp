// The test building written every way the tools write glTF, read and drawn from its start: the
// same triangles (to the quantization's precision) and the same first frame as the plain file,
// through gltfpack's quantization and meshopt compression, Draco (draco_transcoder), the older
// specular-glossiness material, vertex colours, the second texture coordinates and WebP; the
// unlit and the glowing (emissive) building the same frame as each other, brighter than lit.
#include "GlContext.h"
#include "TgaBytes.h"
#include "building/BuildingLoader.h"
#include "building/draw/BuildingDraw.h"
#include "test_building.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

namespace fs = std::filesystem;
namespace tb = test_building;

namespace {

// Triangles and their area per material name, and the bounds: what every way must keep.
struct Shape {
    std::map<std::string, std::pair<long, double>> materials;
    Vec3 low, high;
};

Shape shapeOf(const Building& building)
{
    Shape shape{{}, building.low, building.high};
    for (const BuildingSurface& surface : building.surfaces)
        for (std::size_t i = 0; i + 8 < surface.positions.size(); i += 9) {
            const float* p = &surface.positions[i];
            const Vec3 a(p[0], p[1], p[2]), b(p[3], p[4], p[5]), c(p[6], p[7], p[8]);
            auto& m = shape.materials[building.materials[std::size_t(surface.material)].name];
            ++m.first;
            m.second += double((b - a).cross(c - a).length()) / 2;
        }
    return shape;
}

Picture firstFrame(Building& building)
{
    applySceneState();
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, double(GL_TEST_WIDTH) / GL_TEST_HEIGHT, 0.35, 200.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const Vec3 eye = building.start.eye, at = building.start.lookAt;
    gluLookAt(eye.x, eye.y, eye.z, at.x, at.y, at.z, 0, 1, 0);
    BuildingDrawing drawing;
    drawing.build(building, true, true);
    drawing.drawSolid(building);
    drawing.drawSeeThrough(building, eye);
    drawing.release();
    return readPicture();
}

// The mean difference of the two pictures' channels, in levels of 255.
double meanDifference(const Picture& a, const Picture& b)
{
    double sum = 0;
    for (std::size_t i = 0; i < a.rgb.size() && i < b.rgb.size(); ++i)
        sum += std::abs(int(a.rgb[i]) - int(b.rgb[i]));
    return sum / double(a.rgb.size());
}

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

TEST(BuildingVariantsGLTest, EveryWayShowsTheSameBuilding)
{
    useGlContext();
    const std::string folder = (fs::temp_directory_path() / "halvane-building-variants").string() + "/";
    fs::remove_all(folder);
    fs::create_directories(folder);
    ASSERT_TRUE(tb::writeTestBuilding(folder));
    writeBytes(folder + "wall.webp", tb::wallWebp());
    const std::string plain = folder + "test-building.glb";
    // -kn keeps the start object apart, -km each material; -cc packs the normals with meshopt's
    // octahedral filter.
    const struct {
        const char* name;
        std::string command;  // writes the file, empty for our generator's own
        double precision;     // metres a corner may move
    } ways[] = {{"quantized", "gltfpack -kn -km", 0.002}, {"meshopt", "gltfpack -c -kn -km", 0.002},
                {"meshopt-filtered", "gltfpack -cc -kn -km", 0.002},
                {"draco", "draco_transcoder -qp 16 -qt 14", 0.002}, {"specular-glossiness", "", 1e-5},
                {"vertex-colours", "", 1e-5}, {"second-uv", "", 1e-5}, {"webp", "", 1e-5},
                {"unlit", "", 1e-5}, {"emissive", "", 1e-5}};
    BuildingOptions quiet;
    quiet.announce = false;
    BuildingLoad reference = loadBuilding(plain, quiet);
    ASSERT_TRUE(reference.ok()) << reference.failure;
    const Shape meant = shapeOf(reference.building);
    const Picture meantFrame = firstFrame(reference.building);
    std::map<std::string, Picture> frames;
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        const std::string path = folder + way.name + ".glb";
        if (way.command.empty()) {
            writeBytes(path, tb::testBuildingVariantGlb(way.name));
        } else {
            ASSERT_EQ(std::system((way.command + " -i " + plain + " -o " + path + " >/dev/null 2>&1").c_str()), 0) << way.command;
        }
        BuildingLoad load = loadBuilding(path, quiet);
        ASSERT_TRUE(load.ok()) << load.failure;
        EXPECT_TRUE(load.building.warnings.empty()) << load.building.warnings.front();
        const Shape shape = shapeOf(load.building);
        const double units = way.precision * UNITS_PER_METRE;
        EXPECT_NEAR((shape.high - meant.high).length(), 0.0, units * 2);
        EXPECT_NEAR((shape.low - meant.low).length(), 0.0, units * 2);
        for (const auto& [material, count] : meant.materials) {
            EXPECT_EQ(shape.materials.count(material) ? shape.materials.at(material).first : 0, count.first) << material;
            EXPECT_NEAR(shape.materials.count(material) ? shape.materials.at(material).second : 0, count.second,
                        count.second * 1e-3) << material;
        }
        frames[way.name] = firstFrame(load.building);
        if (std::string(way.name) != "unlit" && std::string(way.name) != "emissive")
            EXPECT_LT(meanDifference(frames[way.name], meantFrame), 0.5);
        if (HasFailure())
            frames[way.name].save(tempPath(std::string("building_variant_") + way.name + ".ppm"));
    }
    // Unlit, every surface shows its own colour: far brighter than the light leaves it (a
    // surface facing away keeps 45 % of it), and the glowing building the same.
    EXPECT_GT(meanDifference(frames["unlit"], meantFrame), 10.0);
    EXPECT_LT(meanDifference(frames["emissive"], frames["unlit"]), 0.5);
    if (HasFailure())
        meantFrame.save(tempPath("building_variant_plain.ppm"));
    fs::remove_all(folder);
}

}  // namespace
