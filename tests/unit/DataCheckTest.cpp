// halvane-check on a copy of the committed data: it starts without a warning as it is, and each
// row changes one file so that the program still starts but shows something unexpected.
#include "Md2TestSupport.h"
#include "TgaBytes.h"
#include "check/CheckCommand.h"
#include "check/DataCheck.h"
#include "check/ModelCheck.h"
#include "data/DataFolder.h"
#include "test_building.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const std::string OUR_DATA = std::string(HALVANE_SOURCE_DIR) + "/bin/";

std::size_t countOf(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(DataCheck, OurOwnDataStartsWithoutAWarning)
{
    std::ostringstream out;
    const std::string withoutSeparator = OUR_DATA.substr(0, OUR_DATA.size() - 1);
    const char* argv[] = {"halvane-check", withoutSeparator.c_str()};
    EXPECT_EQ(runDataCheck(2, argv, out, out), 0) << out.str();
    EXPECT_EQ(countOf(out.str(), "data folder: " + OUR_DATA + "\n"), 1u) << out.str();
    EXPECT_EQ(countOf(out.str(), "): read\n"), std::size_t(DATA_FILE_COUNT)) << out.str();
    EXPECT_EQ(countOf(out.str(), "warning"), 0u) << out.str();
    EXPECT_EQ(countOf(out.str(), "\n  sequence 19, 8 frames: file frames 190 to 197 (death301 to death308)\n"), 1u);
}

struct WarningRow {
    const char* name;
    const char* file;
    std::function<void(Bytes&)> edit;
    std::string warning;
    std::string fact;  // a line the file's block shows besides the warning
};

Bytes modelWithFrames(int frames)
{
    Md2TestFile model = makeTestFile(frames, 3);
    model.skinWidth = model.skinHeight = 512;  // the committed skin's size: no other warning
    return model.bytes();
}

class DataCheckWarns : public testing::TestWithParam<WarningRow> {};

TEST_P(DataCheckWarns, OnceAndStillStarts)
{
    const WarningRow& row = GetParam();
    const fs::path folder = tempPath(row.name);
    fs::create_directories(folder);
    for (const char* name : DATA_FILES)
        fs::copy_file(OUR_DATA + name, folder / name, fs::copy_options::overwrite_existing);
    std::ifstream in(folder / row.file, std::ios::binary);
    Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    row.edit(bytes);
    std::ofstream(folder / row.file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));

    std::ostringstream out;
    EXPECT_EQ(checkDataFolder(folder.string() + "/", out), 0) << out.str();
    EXPECT_EQ(countOf(out.str(), "  warning: " + row.warning), 1u) << out.str();
    EXPECT_EQ(countOf(out.str(), "  warning: "), 1u) << out.str();
    EXPECT_EQ(countOf(out.str(), "    what to do: "), 1u) << out.str();
    EXPECT_EQ(countOf(out.str(), "\n  " + row.fact + "\n"), 1u) << out.str();
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DataCheckWarns,
    testing::Values(
        WarningRow{"TextureNotPowerOfTwo", "ceiling.tga", [](Bytes& b) { b = solidTga(300, 200, 9, 9, 9); },
                   "300 x 200 is not a power of two on each side: today's drivers draw it, but a driver that offers "
                   "only OpenGL 1.1 shows it white once mipmapping is switched off (F5).\n"
                   "    what to do: scale the picture to 256 x 256",
                   "size: 300 x 200 pixels, 24 bits each"},
        WarningRow{"FewerFrames", "pelgrin.md2", [](Bytes& b) { b = modelWithFrames(100); },
                   "the file has 100 frames, fewer than the 198 of the 20 animation sequences: sequences 9 to 19 "
                   "hold its last frame",
                   "sequence 9, 17 frames: file frames 95 to 99 (frame095 to frame099), then file frame 99 held "
                   "for 12"},
        WarningRow{"OneFrameShort", "pelgrin.md2", [](Bytes& b) { b = modelWithFrames(197); },
                   "the file has 197 frames, fewer than the 198 of the 20 animation sequences: sequence 19 holds",
                   "sequence 19, 8 frames: file frames 190 to 196 (frame190 to frame196), then file frame 196 "
                   "held for 1"},
        WarningRow{"MoreFrames", "pelgrin.md2", [](Bytes& b) { b = modelWithFrames(200); },
                   "the file has 200 frames: frames past the 198th are never shown (2 frames, from file frame 198 "
                   "on).",
                   "sequence 19, 8 frames: file frames 190 to 197 (frame190 to frame197)"},
        WarningRow{"SkinStretched", "pelgrin.md2", [](Bytes& b) { putInt32(b, MD2_AT_SKIN_WIDTH, 256); },
                   "its texture coordinates are made for a 256 x 512 skin, but pelgrin2.tga is 512 x 512: the skin "
                   "will be stretched on the model.\n"
                   "    what to do: make the skin 256 x 512, or another size of the same proportions (512 x 1024",
                   "skin size in the header: 256 x 512"},
        WarningRow{"RecordsShortOfAQuad", "walls.txt",
                   [](Bytes& b) { b.insert(b.end(), {'0', ' ', '0', ' ', '0', ' ', '0', ' ', '0', '\n'}); },
                   "the file's 3969 records do not make whole quads: records after the last whole quad are not "
                   "drawn (1 record).",
                   "quads: 992 (four records each)"},
        WarningRow{"NoRecords", "ceiling.txt", [](Bytes& b) { b.clear(); },
                   "the file holds no records: this part of the level is not drawn at all.",
                   "records: 0 (x y z u v each)"}),
    [](const testing::TestParamInfo<WarningRow>& row) { return std::string(row.param.name); });

// The warning compares proportions, not sides: a non-square header against a non-square skin,
// both ways round, catches a comparison that swaps width and height.
TEST(DataCheck, SkinProportionsNotSidesDecideTheWarning)
{
    const struct {
        int headerWidth, headerHeight;
        unsigned skinWidth, skinHeight;
        bool stretched;
    } rows[] = {{256, 512, 512, 1024, false}, {512, 256, 1024, 512, false}, {256, 512, 512, 256, true},
                {512, 256, 256, 512, true},   {256, 128, 300, 150, false},  {256, 256, 256, 512, true}};
    for (const auto& row : rows) {
        ModelCheck model;
        model.header.skinWidth = row.headerWidth;
        model.header.skinHeight = row.headerHeight;
        TextureCheck skin;
        skin.width = row.skinWidth;
        skin.height = row.skinHeight;
        checkSkinProportions(model, skin, "skin.pcx");
        EXPECT_EQ(model.report.warnings.size(), row.stretched ? 1u : 0u)
            << row.headerWidth << " x " << row.headerHeight << " against " << row.skinWidth << " x " << row.skinHeight;
    }
}

}  // namespace

// With --level the building's block stands where the hall's four files stood; a lost picture and a
// scale that makes the building tiny are warnings, each with what to do.
TEST(DataCheck, ABuildingStandsInPlaceOfTheHall)
{
    const fs::path folder = tempPath("building");
    fs::create_directories(folder);
    ASSERT_TRUE(test_building::writeTestBuilding(folder.string() + "/"));
    const std::string glb = (folder / "test-building.glb").string();
    const auto check = [&](std::vector<const char*> more, std::string& text) {
        std::vector<const char*> argv = {"halvane-check", OUR_DATA.c_str(), "--level", glb.c_str()};
        argv.insert(argv.end(), more.begin(), more.end());
        std::ostringstream out;
        const int status = runDataCheck(int(argv.size()), argv.data(), out, out);
        text = out.str();
        return status;
    };
    std::string text;
    EXPECT_EQ(check({}, text), 0) << text;
    EXPECT_EQ(countOf(text, "\n" + glb + " (your building): read\n  format: glTF binary\n  meshes: 11\n  triangles: 134\n"), 1u) << text;
    EXPECT_EQ(countOf(text, "\n  doors: 1, each opens as the visitor walks into it\n    'Innentür' at "), 1u) << text;
    EXPECT_EQ(countOf(text, "\n    the storey at 2.80 m: 18 m² reached\n"), 1u) << text;
    EXPECT_EQ(countOf(text, "because that is the object named 'start', standing on the floor under it\n"), 1u) << text;
    EXPECT_EQ(countOf(text, "): read\n"), 3u) << text;  // the building, the model, the skin
    EXPECT_EQ(countOf(text, "warning"), 0u) << text;
    EXPECT_EQ(countOf(text, "halvane starts with this building, and every file looks as it should.\n"), 1u) << text;
    fs::remove(folder / "wall.png");
    EXPECT_EQ(check({"--level-scale", "0.001"}, text), 0) << text;
    EXPECT_EQ(countOf(text, "  warning: the picture wall.png is missing (looked for wall.png in "), 1u) << text;
    EXPECT_EQ(countOf(text, "  warning: the building is 0.01 m across: it is likely in kilometres"), 1u) << text;
    EXPECT_EQ(countOf(text, "    what to do: "), 2u) << text;
    fs::remove_all(folder);
}
