// The test building through both readers: the same triangles, area, bounds, pictures and start
// from the glTF binary file and from the OBJ file, and the units and axes the options ask for.
#include "building/BuildingLoader.h"
#include "building/BuildingStart.h"
#include "building/PolygonTriangulation.h"
#include "test_building.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
namespace tb = test_building;

namespace {

struct Measure {
    long triangles = 0;
    double area = 0;  // square metres
};

Measure measure(const Building& building)
{
    Measure m;
    for (const BuildingSurface& surface : building.surfaces)
        for (std::size_t i = 0; i + 8 < surface.positions.size(); i += 9) {
            const float* p = surface.positions.data() + i;
            const Vec3 a(p[0], p[1], p[2]), b(p[3], p[4], p[5]), c(p[6], p[7], p[8]);
            m.area += double((b - a).cross(c - a).length()) / 2 / (UNITS_PER_METRE * UNITS_PER_METRE);
            ++m.triangles;
        }
    return m;
}

// A folder of the test's own, emptied: CTest runs the tests of this file side by side.
std::string testFolder()
{
    const fs::path folder = fs::temp_directory_path() /
                            (std::string("halvane-building-") + testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder.string() + "/";
}

std::string writtenBuilding()
{
    const std::string folder = testFolder();
    EXPECT_TRUE(tb::writeTestBuilding(folder));
    return folder;
}


void expectNear(Vec3 v, float x, float y, float z)
{
    EXPECT_NEAR(v.x, x * UNITS_PER_METRE, 1e-3f);
    EXPECT_NEAR(v.y, y * UNITS_PER_METRE, 1e-3f);
    EXPECT_NEAR(v.z, z * UNITS_PER_METRE, 1e-3f);
}

TEST(BuildingReader, BothFormatsGiveTheSameBuilding)
{
    const std::string folder = writtenBuilding();
    const tb::Source source = tb::testBuilding();
    BuildingOptions quiet;
    quiet.announce = false;
    for (const char* name : {"test-building.glb", "test-building.obj"}) {
        SCOPED_TRACE(name);
        const BuildingLoad load = loadBuilding(folder + name, quiet);
        ASSERT_TRUE(load.ok()) << load.failure;
        const Building& building = load.building;
        const Measure m = measure(building);
        EXPECT_EQ(m.triangles, tb::triangleCount(source));
        EXPECT_NEAR(m.area, tb::faceArea(source), 1e-3);  // a concave floor cut wrongly gives more
        expectNear(building.low, 0, 0, 0);
        expectNear(building.high, tb::WIDTH, tb::WALL_HEIGHT, tb::DEPTH);
        EXPECT_EQ(building.meshCount, int(source.objects.size()) - 1);  // the start is no mesh
        ASSERT_EQ(building.materials.size(), source.materials.size());
        EXPECT_EQ(building.materials[2].image.width, 16);
        EXPECT_EQ(building.materials[5].alphaMode, AlphaMode::Blend);
        EXPECT_NEAR(building.materials[5].baseColour[3], 0.3f, 1e-6f);
        expectNear(building.start.eye, tb::START_X, 1.6f, tb::START_Z);
        EXPECT_TRUE(building.warnings.empty()) << building.warnings.front();
    }
    // Z up turns the file's +Z into our +Y and its +Y into our -Z; the scale gives metres.
    BuildingOptions zUp = quiet;
    zUp.zUp = true;
    zUp.scale = 0.5f;
    const BuildingLoad turned = loadBuilding(folder + "test-building.obj", zUp);
    ASSERT_TRUE(turned.ok()) << turned.failure;
    expectNear(turned.building.low, 0, 0, -tb::WALL_HEIGHT / 2);
    expectNear(turned.building.high, tb::WIDTH / 2, tb::DEPTH / 2, 0);
    fs::remove_all(folder);
}

// Concave faces in each of the three planes: an L from its inward corner, and a U from the
// corner whose triangle holds both inward corners. Each is cut into n - 2 triangles of the
// face's own winding and exactly its area; a face folded onto a line still gives n - 2.
TEST(BuildingReader, FacesAreCutIntoTheirOwnArea)
{
    const struct {
        std::vector<std::array<float, 2>> outline;  // counter-clockwise
        double area;
    } faces[] = {
        {{{6, 4}, {6, 8}, {0, 8}, {0, 0}, {12, 0}, {12, 4}}, 72.0},
        {{{0, 0}, {9, 0}, {9, 9}, {6, 9}, {6, 3}, {3, 3}, {3, 9}, {0, 9}}, 63.0},
    };
    const Vec3 axes[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    for (int normal = 0; normal < 3; ++normal)
        for (const auto& face : faces) {
            SCOPED_TRACE(testing::Message() << "normal along axis " << normal << ", " << face.outline.size() << " corners");
            std::vector<Vec3> corners;
            for (const auto& uv : face.outline)
                corners.push_back(axes[(normal + 1) % 3] * uv[0] + axes[(normal + 2) % 3] * uv[1]);
            const auto triangles = triangulatePolygon(corners);
            ASSERT_EQ(triangles.size(), corners.size() - 2);
            double area = 0;
            for (const auto& t : triangles) {
                const Vec3 n = (corners[t[1]] - corners[t[0]]).cross(corners[t[2]] - corners[t[0]]);
                EXPECT_GT(normal == 0 ? n.x : normal == 1 ? n.y : n.z, 0.0f);  // each keeps the face's winding
                area += double(n.length()) / 2;
            }
            EXPECT_DOUBLE_EQ(area, face.area);
        }
    EXPECT_EQ(triangulatePolygon({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}}).size(), 2u);
}

// Without a camera or a start object the visitor stands on the ground floor near the middle,
// where its body crosses nothing; standing in the wall with the doorway it would.
TEST(BuildingReader, WithoutAStartObjectTheVisitorStandsClearOnTheLowestFloor)
{
    const std::string folder = writtenBuilding();
    std::stringstream text;
    text << std::ifstream(folder + "test-building.obj").rdbuf();  // closed at once: Windows removes no open file
    const std::string obj = text.str();
    std::ofstream(folder + "test-building.obj") << obj.substr(0, obj.find("o start\n"));
    BuildingOptions quiet;
    quiet.announce = false;
    const BuildingLoad load = loadBuilding(folder + "test-building.obj", quiet);
    ASSERT_TRUE(load.ok()) << load.failure;
    const BuildingStart& start = load.building.start;
    EXPECT_EQ(start.reason, "a clear place on the lowest large floor, near the building's middle");
    EXPECT_NEAR(start.eye.y, 1.6f * UNITS_PER_METRE, 1e-4f);
    EXPECT_FALSE(bodyBlocked(load.building, start.eye));
    const Vec3 inTheWall(3.0f * UNITS_PER_METRE, 1.6f * UNITS_PER_METRE, tb::INNER_WALL_Z * UNITS_PER_METRE);
    EXPECT_TRUE(bodyBlocked(load.building, inTheWall));
    const Vec3 inTheDoorway((tb::DOOR_X0 + tb::DOOR_WIDTH / 2) * UNITS_PER_METRE, inTheWall.y, inTheWall.z);
    EXPECT_FALSE(bodyBlocked(load.building, inTheDoorway));
    fs::remove_all(folder);
}

// The fuzzers' seeds, read once more under the sanitizers with the unit tests: "bad-" seeds are
// refused with one line naming the file, the others read.
TEST(BuildingReader, FuzzSeedsAreReadOrRefusedInOneLine)
{
    BuildingOptions quiet;
    quiet.announce = false;
    int seeds = 0;
    for (const char* kind : {"gltf", "obj"})
        for (const auto& entry : fs::directory_iterator(std::string(HALVANE_SOURCE_DIR) + "/tools/fuzz/corpus/" + kind)) {
            const std::string path = entry.path().string();
            if (buildingFormat(path).empty())
                continue;
            ++seeds;
            const BuildingLoad load = loadBuilding(path, quiet);
            const bool bad = entry.path().filename().string().rfind("bad-", 0) == 0;
            EXPECT_EQ(load.ok(), !bad) << path << ": " << load.failure;
            EXPECT_EQ(load.failure.find('\n'), std::string::npos) << load.failure;
            if (bad) {
                EXPECT_EQ(load.failure.rfind(path + ": ", 0), 0u) << load.failure;
            }
        }
    EXPECT_GE(seeds, 10);
}

}  // namespace
