// The test building through both readers: the same triangles, area, bounds, pictures and start
// from the glTF binary file and from the OBJ file, and the units and axes the options ask for;
// faces cut into triangles; what small glTF files make, and the fields past their data refused.
#include "building/BuildingLoader.h"
#include "building/BuildingStart.h"
#include "building/PolygonTriangulation.h"
#include "test_building.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
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

using Bytes = std::vector<std::uint8_t>;

// The bytes written to `path` and read as the program reads --level.
BuildingLoad loadWritten(const std::string& path, const Bytes& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    BuildingOptions quiet;
    quiet.announce = false;
    return loadBuilding(path, quiet);
}

// A floor 1 m square facing up as a glTF binary file: corners (0 0 0), (0 0 1), (1 0 0), (1 0 1)
// with their x and z as texture coordinates; accessor 2 indexes 0 1 3, accessor 3 0 1 3 2.
// `nodes` place mesh 0, whose one primitive adds `primitive` to its attributes; `extra` adds
// top-level members, each after a comma.
Bytes floorFile(const std::string& nodes, const std::string& primitive, const std::string& extra = "")
{
    const float values[20] = {0, 0, 0, 0, 0, 1, 1, 0, 0, 1, 0, 1, 0, 0, 0, 1, 1, 0, 1, 1};
    const std::uint8_t indices[4] = {0, 1, 3, 2};
    Bytes bin(84);
    std::memcpy(bin.data(), values, 80);
    std::memcpy(bin.data() + 80, indices, 4);
    return tb::glbFile("{\"asset\":{\"version\":\"2.0\"}" + extra + ",\"scenes\":[{\"nodes\":[0]}],\"nodes\":" + nodes +
                           ",\"meshes\":[{\"primitives\":[{\"attributes\":{\"POSITION\":0,\"TEXCOORD_0\":1}" + primitive +
                           "}]}],\"accessors\":[{\"bufferView\":0,\"componentType\":5126,\"count\":4,\"type\":\"VEC3\"},"
                           "{\"bufferView\":0,\"byteOffset\":48,\"componentType\":5126,\"count\":4,\"type\":\"VEC2\"},"
                           "{\"bufferView\":1,\"componentType\":5121,\"count\":3,\"type\":\"SCALAR\"},"
                           "{\"bufferView\":1,\"componentType\":5121,\"count\":4,\"type\":\"SCALAR\"}],\"bufferViews\":["
                           "{\"buffer\":0,\"byteLength\":80},{\"buffer\":0,\"byteOffset\":80,\"byteLength\":4}],"
                           "\"buffers\":[{\"byteLength\":84}]}",
                       bin);
}

// A triangle in metres to the millimetre, from its least corner on: the same triangle facing
// the same way reads the same whichever corner it was given from.
std::string seen(const float* p, float unit)
{
    std::string corner[3];
    for (int c = 0; c < 3; ++c) {
        const auto mm = [&](int k) { return std::round(double(p[c * 3 + k] / unit) * 1000) / 1000 + 0.0; };
        char text[64];
        std::snprintf(text, sizeof text, "(%g %g %g)", mm(0), mm(1), mm(2));
        corner[c] = text;
    }
    return std::min({corner[0] + corner[1] + corner[2], corner[1] + corner[2] + corner[0], corner[2] + corner[0] + corner[1]});
}

// The text with the first `from` in it made `to`.
std::string with(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
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

// The node tree's transforms (parents after children), every triangle mode, and a mirroring
// node whose triangles are turned so that their front stays where the modeller saw it.
TEST(BuildingReader, NodeTransformsStripsAndFansPlaceEveryTriangleFacingItsFront)
{
    const std::string one = "[{\"mesh\":0}]", firstThree = ",\"indices\":2";
    const struct {
        const char* name;
        std::string nodes, primitive;
        std::vector<std::array<float, 9>> triangles;  // metres, counter-clockwise seen from the front
    } rows[] = {
        {"as given", one, firstThree, {{0, 0, 0, 0, 0, 1, 1, 0, 1}}},
        {"moved", "[{\"mesh\":0,\"translation\":[1,2,3]}]", firstThree, {{1, 2, 3, 1, 2, 4, 2, 2, 4}}},
        {"turned a quarter about x", "[{\"mesh\":0,\"rotation\":[0.70710678,0,0,0.70710678]}]", firstThree, {{0, 0, 0, 0, -1, 0, 1, -1, 0}}},
        {"scaled", "[{\"mesh\":0,\"scale\":[2,3,4]}]", firstThree, {{0, 0, 0, 0, 0, 4, 2, 0, 4}}},
        {"a matrix turning a quarter about y, then 5 m along x", "[{\"mesh\":0,\"matrix\":[0,0,-1,0,0,1,0,0,1,0,0,0,5,0,0,1]}]",
         firstThree, {{5, 0, 0, 6, 0, 0, 6, 0, -1}}},
        {"the parent's scale after the child's move", "[{\"scale\":[2,1,1],\"children\":[1]},{\"mesh\":0,\"translation\":[1,0,0]}]",
         firstThree, {{2, 0, 0, 2, 0, 1, 4, 0, 1}}},
        {"mirrored", "[{\"mesh\":0,\"scale\":[-1,1,1]}]", firstThree, {{0, 0, 0, -1, 0, 1, 0, 0, 1}}},
        {"a strip", one, ",\"mode\":5", {{0, 0, 0, 0, 0, 1, 1, 0, 0}, {1, 0, 0, 0, 0, 1, 1, 0, 1}}},
        {"a fan", one, ",\"mode\":6,\"indices\":3", {{0, 0, 0, 0, 0, 1, 1, 0, 1}, {0, 0, 0, 1, 0, 1, 1, 0, 0}}},
    };
    const std::string folder = testFolder();
    for (const auto& row : rows) {
        const BuildingLoad load = loadWritten(folder + "floor.glb", floorFile(row.nodes, row.primitive));
        ASSERT_TRUE(load.ok()) << load.failure;
        std::vector<std::string> read, meant;
        for (const BuildingSurface& surface : load.building.surfaces)
            for (std::size_t i = 0; i + 8 < surface.positions.size(); i += 9)
                read.push_back(seen(&surface.positions[i], UNITS_PER_METRE));
        for (const auto& triangle : row.triangles)
            meant.push_back(seen(triangle.data(), 1.0f));
        EXPECT_EQ(read, meant) << row.name;
    }
    // Points beside the triangles are left out, with one warning.
    const BuildingLoad points = loadWritten(folder + "floor.glb", floorFile(one, firstThree + "},{\"attributes\":{\"POSITION\":0},\"mode\":0"));
    EXPECT_EQ(points.building.warnings, std::vector<std::string>{"the file's points and lines (1 primitive) are not shown: halvane shows triangles"});
    fs::remove_all(folder);
}

// KHR_texture_transform as glTF defines it (scale, then rotation, then offset), and glTF's v,
// which counts down the picture, turned into our t, which counts up.
TEST(BuildingReader, TextureCoordinatesTakeTheTextureTransformAndCountUpThePicture)
{
    const struct {
        std::string transform;
        float st[3][2];  // at the corners (0 0 0), (0 0 1), (1 0 1)
    } rows[] = {
        {"", {{0, 1}, {0, 0}, {1, 0}}},
        {"\"offset\":[0.5,0.25],\"scale\":[2,3],\"rotation\":1.5707963", {{0.5f, 0.75f}, {3.5f, 0.75f}, {3.5f, 2.75f}}},
    };
    const std::string folder = testFolder();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.transform);
        const BuildingLoad load = loadWritten(
            folder + "floor.glb",
            floorFile("[{\"mesh\":0}]", ",\"indices\":2,\"material\":0",
                      ",\"extensionsUsed\":[\"KHR_texture_transform\"],\"materials\":[{\"pbrMetallicRoughness\":{\"baseColorTexture\":"
                      "{\"index\":0,\"extensions\":{\"KHR_texture_transform\":{" + row.transform +
                      "}}}}}],\"textures\":[{\"source\":0}],\"images\":[{\"uri\":\"wall.png\"}]"));
        ASSERT_TRUE(load.ok()) << load.failure;
        const BuildingSurface& surface = load.building.surfaces.at(0);
        ASSERT_EQ(surface.texCoords.size(), 6u);
        for (int c = 0; c < 3; ++c) {
            const float* p = &surface.positions[std::size_t(c) * 3];
            const long corner = std::lround((p[0] + p[2]) / UNITS_PER_METRE);  // x + z tells the three apart
            EXPECT_NEAR(surface.texCoords[std::size_t(c) * 2], row.st[corner][0], 1e-5f) << corner;
            EXPECT_NEAR(surface.texCoords[std::size_t(c) * 2 + 1], row.st[corner][1], 1e-5f) << corner;
        }
    }
    fs::remove_all(folder);
}

// What the libraries let through and the program must refuse, one field at a time, each at the
// first value past what the file holds: the line names the file and the field.
TEST(BuildingReader, AFieldPastWhatTheFileHoldsIsRefusedByName)
{
    const std::string json = tb::triangleJson(), one = "[{\"mesh\":0}]";
    const auto glb = [](const std::string& text, const Bytes& bin = tb::triangleBin()) { return tb::glbFile(text, bin); };
    const std::string positionsView = "\"byteOffset\":0,\"byteLength\":36}";
    // The positions' view compressed by meshopt into the twelve bytes of the indices.
    const auto meshopt = [](const std::string& members) {
        return "\"extensions\":{\"EXT_meshopt_compression\":{\"buffer\":0,\"byteOffset\":36,\"byteLength\":12,"
               "\"mode\":\"ATTRIBUTES\"," + members + "}}}";
    };
    const std::string obj = "v 0 0 0\nv 1 0 0\nv 0 0 1\nvt 0 0\nvt 1 0\nf 1/1 2/2 3/3\n";
    // A mesh of 1000 triangles whose mode is below 0 (read as triangles, glTF's default), placed
    // by 16001 nodes: counted before anything is read, it is over the limit.
    std::string placed = "[", listed = "[";
    for (int n = 0; n <= 16000; ++n) {
        placed += std::string(n ? "," : "") + "{\"mesh\":0}";
        listed += (n ? "," : "") + std::to_string(n);
    }
    Bytes thousand = tb::triangleBin();
    thousand.resize(36 + 12000);
    std::string overLimit = tb::triangleJson(placed + "]", "", "{\"byteLength\":12036}");
    overLimit = with(overLimit, "\"nodes\":[0]", "\"nodes\":" + listed + "]");
    overLimit = with(overLimit, "\"count\":3,\"type\":\"SCALAR\"", "\"count\":3000,\"type\":\"SCALAR\"");
    overLimit = with(overLimit, "\"byteLength\":12}", "\"byteLength\":12000}");
    overLimit = with(overLimit, "\"indices\":1}", "\"indices\":1,\"mode\":-1}");
    const struct {
        const char* file;
        Bytes bytes;
        std::string message;
    } rows[] = {
        {"house.glb", glb(with(json, "\"type\":\"VEC3\"}", "\"type\":\"VEC3\",\"sparse\":{\"count\":1,\"indices\":"
                                  "{\"bufferView\":1,\"componentType\":5125},\"values\":{\"bufferView\":0}}}")),
         "accessor 0 is sparse, which halvane does not read"},
        {"house.glb", glb(with(json, positionsView, "\"byteOffset\":0,\"byteLength\":35}")), "accessor 0 reaches past the end of buffer view 0"},
        {"house.glb", glb(with(json, positionsView, "\"byteOffset\":0,\"byteLength\":36,\"byteStride\":16}")),
         "accessor 0 reaches past the end of buffer view 0"},
        {"house.glb", glb(with(json, "\"byteOffset\":36", "\"byteOffset\":37")), "buffer view 1 reaches past the end of buffer 0 (48 bytes)"},
        {"house.glb", glb(json, tb::triangleBin(1.0f, 3)), "index 3 in accessor 1 is past the 3 vertices it indexes"},
        {"house.glb", glb(tb::triangleJson(one, ",\"materials\":[{\"pbrMetallicRoughness\":{\"baseColorTexture\":{\"index\":0}}}]")),
         "material 0 names texture 0, which the file does not have"},
        {"house.glb", glb(tb::triangleJson(one, ",\"textures\":[{\"source\":1}],\"images\":[{\"uri\":\"wall.png\"}]")),
         "texture 0 names picture 1, which the file does not have"},
        {"house.glb", glb(with(json, "\"nodes\":[0]", "\"nodes\":[1]")), "scene 0 names node 1, which the file does not have"},
        {"house.obj", Bytes(obj.begin(), obj.end()), "a face names texture coordinate 3, past the 2 the file holds"},
        // A required extension is named before anything it may change is checked: here a view past its buffer.
        {"house.glb", glb(with(tb::triangleJson(one, ",\"extensionsRequired\":[\"KHR_texture_basisu\"]"), "\"byteOffset\":36", "\"byteOffset\":37")),
         "the file requires the extension KHR_texture_basisu, whose KTX2 (Basis Universal) pictures halvane cannot decode "
         "(export PNG, JPEG or WebP pictures: gltfpack without -tc)"},
        {"house.glb", glb(with(json, positionsView, "\"byteLength\":4000000," + meshopt("\"byteStride\":4,\"count\":1000000"))),
         "buffer view 0: its 12 bytes of compressed data cannot hold the 4000000 bytes it claims"},
        {"house.glb", glb(with(json, positionsView, "\"byteLength\":36," + meshopt("\"byteStride\":12,\"count\":3,\"filter\":\"QUATERNION\""))),
         "buffer view 0: its meshopt filter QUATERNION does not fit its stride of 12 bytes"},
        {"house.glb", glb(overLimit, thousand), "the scene holds over 16000000 triangles, the limit"},
    };
    const std::string folder = testFolder();
    for (const auto& row : rows) {
        const std::string path = folder + row.file;
        EXPECT_EQ(loadWritten(path, row.bytes).failure, path + ": " + row.message);
    }
    fs::remove_all(folder);
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
