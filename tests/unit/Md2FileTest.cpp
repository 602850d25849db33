// Reading MD2 bytes: decoded values, and a damaged file comes back as the reason that names
// the file and the field, never as an out-of-bounds read.
#include "Md2TestSupport.h"
#include "md2/Md2File.h"
#include "md2/Md2SkinSearch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Two frames of three vertices, three texture coordinates, one triangle: the layout is
// header 0-67, skin name 68-131, texture coordinates 132-143, triangle 144-155,
// frames 156-259 (52 bytes each), GL commands 260-263.
Bytes smallFile()
{
    return makeTestFile(2, 3).bytes();
}

TEST(Md2File, SmallFileLayoutIsAsTheDamagedCasesAssume)
{
    const Bytes bytes = smallFile();
    ASSERT_EQ(bytes.size(), 264u);
    EXPECT_EQ(getInt32(bytes, MD2_AT_OFFSET_TEXCOORDS), 132);
    EXPECT_EQ(getInt32(bytes, MD2_AT_OFFSET_TRIANGLES), 144);
    EXPECT_EQ(getInt32(bytes, MD2_AT_OFFSET_FRAMES), 156);
    EXPECT_EQ(getInt32(bytes, MD2_AT_FRAME_SIZE), 52);
    EXPECT_EQ(parseMd2(bytes, "small.md2", 198).failure, "");
}

TEST(Md2File, TexCoordsAreFractionsOfTheSkinWithTFlipped)
{
    Md2TestFile file = makeTestFile(1, 3);
    file.texCoords = {{64, 32}, {0, 0}, {256, 128}};
    const Md2ContentsResult result = parseMd2(file.bytes(), "t.md2", 198);
    ASSERT_EQ(result.failure, "");
    ASSERT_EQ(result.contents.texCoords.size(), 3u);
    EXPECT_FLOAT_EQ(result.contents.texCoords[0].s, 0.25f);
    EXPECT_FLOAT_EQ(result.contents.texCoords[0].t, 0.75f);
    EXPECT_FLOAT_EQ(result.contents.texCoords[1].t, 1.0f);
    EXPECT_FLOAT_EQ(result.contents.texCoords[2].s, 1.0f);
    EXPECT_FLOAT_EQ(result.contents.texCoords[2].t, 0.0f);
}

TEST(Md2File, TrianglesKeepTheFileCornerOrder)
{
    Md2TestFile file = makeTestFile(1, 3);
    file.texCoords.resize(6);
    file.triangles = {{0, 1, 2, 3, 4, 5}};
    const Md2ContentsResult result = parseMd2(file.bytes(), "t.md2", 198);
    ASSERT_EQ(result.failure, "");
    ASSERT_EQ(result.contents.triangles.size(), 1u);
    const ModelTriangle& t = result.contents.triangles[0];
    EXPECT_EQ(t.vertexIndices[0], 0);
    EXPECT_EQ(t.vertexIndices[2], 2);
    EXPECT_EQ(t.texCoordIndices[0], 3);
    EXPECT_EQ(t.texCoordIndices[2], 5);
}

TEST(Md2File, FramePositionsApplyTheFramesScaleAndTranslate)
{
    Md2TestFile file = makeTestFile(2, 3);
    file.frames[1] = Md2TestFrame{{2.0f, 3.0f, 4.0f}, {1.0f, -1.0f, 0.5f}, {{10, 20, 30}, {0, 0, 0}, {255, 1, 2}}};
    const Md2ContentsResult result = parseMd2(file.bytes(), "t.md2", 198);
    ASSERT_EQ(result.failure, "");
    ASSERT_EQ(result.contents.framePositions.size(), 6u);
    const Vec3 p = result.contents.framePositions[3];
    EXPECT_FLOAT_EQ(p.x, 21.0f);
    EXPECT_FLOAT_EQ(p.y, 59.0f);
    EXPECT_FLOAT_EQ(p.z, 120.5f);
    EXPECT_FLOAT_EQ(result.contents.framePositions[5].x, 511.0f);
}

TEST(Md2File, DecodesNoMoreFramesThanWanted)
{
    const Md2ContentsResult result = parseMd2(makeTestFile(200, 3).bytes(), "t.md2", 198);
    ASSERT_EQ(result.failure, "");
    EXPECT_EQ(result.contents.framesDecoded, 198);
    EXPECT_EQ(result.contents.framePositions.size(), 198u * 3u);
    EXPECT_FLOAT_EQ(result.contents.framePositions.back().x, 197.0f);
}

struct DamagedCase {
    const char* name;
    std::function<void(Bytes&)> damage;
    const char* message;
};

void PrintTo(const DamagedCase& c, std::ostream* os)
{
    *os << c.name;
}

class Md2DamagedFile : public testing::TestWithParam<DamagedCase> {};

TEST_P(Md2DamagedFile, IsRefusedWithItsReason)
{
    Bytes bytes = smallFile();
    GetParam().damage(bytes);
    EXPECT_EQ(parseMd2(bytes, "damaged.md2", 198).failure, GetParam().message);
}

void setField(Bytes& bytes, std::size_t at, std::int32_t value)
{
    putInt32(bytes, at, value);
}

const DamagedCase DAMAGED_CASES[] = {
    {"HeaderCutShort", [](Bytes& b) { b.resize(60); },
     "damaged.md2 is too short for an md2 header (60 bytes, 68 needed)."},
    {"EmptyFile", [](Bytes& b) { b.clear(); }, "damaged.md2 is too short for an md2 header (0 bytes, 68 needed)."},
    {"Version7", [](Bytes& b) { setField(b, MD2_AT_VERSION, 7); }, "damaged.md2 is not a version 8 md2 file."},
    {"NegativeVertices", [](Bytes& b) { setField(b, MD2_AT_VERTICES, -1); },
     "damaged.md2: the number of vertices per frame is negative (-1)."},
    {"NegativeTexCoords", [](Bytes& b) { setField(b, MD2_AT_TEXCOORDS, -3); },
     "damaged.md2: the number of texture coordinates is negative (-3)."},
    {"NegativeTriangles", [](Bytes& b) { setField(b, MD2_AT_TRIANGLES, -1); },
     "damaged.md2: the number of triangles is negative (-1)."},
    {"NegativeFrames", [](Bytes& b) { setField(b, MD2_AT_FRAMES, -2); },
     "damaged.md2: the number of frames is negative (-2)."},
    {"TooManyVertices", [](Bytes& b) { setField(b, MD2_AT_VERTICES, 2001); },
     "The number of vertices per frame is limited to 2000. damaged.md2 has 2001."},
    {"NoFrames", [](Bytes& b) { setField(b, MD2_AT_FRAMES, 0); }, "damaged.md2 has no frames."},
    {"FrameSizeBelowVertices", [](Bytes& b) { setField(b, MD2_AT_FRAME_SIZE, 51); },
     "damaged.md2: the frame size 51 is too small for 3 vertices per frame (52 bytes needed)."},
    {"FrameSizeNegative", [](Bytes& b) { setField(b, MD2_AT_FRAME_SIZE, INT32_MIN); },
     "damaged.md2: the frame size -2147483648 is too small for 3 vertices per frame (52 bytes needed)."},
    {"SkinWidthZero", [](Bytes& b) { setField(b, MD2_AT_SKIN_WIDTH, 0); },
     "damaged.md2: the skin width 0 is not positive."},
    {"SkinHeightZero", [](Bytes& b) { setField(b, MD2_AT_SKIN_HEIGHT, 0); },
     "damaged.md2: the skin height 0 is not positive."},
    {"SkinWidthNegative", [](Bytes& b) { setField(b, MD2_AT_SKIN_WIDTH, -256); },
     "damaged.md2: the skin width -256 is not positive."},
    {"TexCoordsPastTheEnd", [](Bytes& b) { setField(b, MD2_AT_OFFSET_TEXCOORDS, 260); },
     "damaged.md2: the texture coordinates (offset 260, 12 bytes) do not fit in the file (264 bytes)."},
    {"TexCoordsBeforeTheStart", [](Bytes& b) { setField(b, MD2_AT_OFFSET_TEXCOORDS, -4); },
     "damaged.md2: the texture coordinates (offset -4, 12 bytes) do not fit in the file (264 bytes)."},
    {"TooManyTriangles", [](Bytes& b) { setField(b, MD2_AT_TRIANGLES, 100); },
     "damaged.md2: the triangles (offset 144, 1200 bytes) do not fit in the file (264 bytes)."},
    {"HugeTexCoordCount", [](Bytes& b) { setField(b, MD2_AT_TEXCOORDS, INT32_MAX); },
     "damaged.md2: the texture coordinates (offset 132, 8589934588 bytes) do not fit in the file (264 bytes)."},
    {"HugeFrameCountOverflows32Bits", [](Bytes& b) { setField(b, MD2_AT_FRAMES, INT32_MAX); },
     "damaged.md2: the frames (offset 156, 111669149644 bytes) do not fit in the file (264 bytes)."},
    {"HugeFrameSize", [](Bytes& b) { setField(b, MD2_AT_FRAME_SIZE, INT32_MAX); },
     "damaged.md2: the frames (offset 156, 4294967294 bytes) do not fit in the file (264 bytes)."},
    {"HugeFrameOffset", [](Bytes& b) { setField(b, MD2_AT_OFFSET_FRAMES, INT32_MAX); },
     "damaged.md2: the frames (offset 2147483647, 104 bytes) do not fit in the file (264 bytes)."},
    {"FramesCutShort", [](Bytes& b) { b.resize(259); },
     "damaged.md2: the frames (offset 156, 104 bytes) do not fit in the file (259 bytes)."},
    {"VertexIndexEqualsCount", [](Bytes& b) { putUint16(b, 146, 3); },
     "damaged.md2: triangle 0 has the vertex index 3, but a frame has 3 vertices."},
    {"VertexIndexHuge", [](Bytes& b) { putUint16(b, 148, 65535); },
     "damaged.md2: triangle 0 has the vertex index 65535, but a frame has 3 vertices."},
    {"TexCoordIndexEqualsCount", [](Bytes& b) { putUint16(b, 154, 3); },
     "damaged.md2: triangle 0 has the texture coordinate index 3, but the file has 3 texture coordinates."},
    {"TrianglesWithoutVertices",
     [](Bytes& b) {
         setField(b, MD2_AT_VERTICES, 0);
         setField(b, MD2_AT_FRAME_SIZE, 40);
     },
     "damaged.md2: triangle 0 has the vertex index 0, but a frame has 0 vertices."},
    {"NoTriangles", [](Bytes& b) { setField(b, MD2_AT_TRIANGLES, 0); }, "damaged.md2 has no triangles."},
    {"TexCoordsInsideTheHeader", [](Bytes& b) { setField(b, MD2_AT_OFFSET_TEXCOORDS, 0); },
     "damaged.md2: the texture coordinates (offset 0) start inside the 68-byte header."},
    {"TrianglesInsideTheHeader", [](Bytes& b) { setField(b, MD2_AT_OFFSET_TRIANGLES, 56); },
     "damaged.md2: the triangles (offset 56) start inside the 68-byte header."},
    {"FramesInsideTheHeader", [](Bytes& b) { setField(b, MD2_AT_OFFSET_FRAMES, 67); },
     "damaged.md2: the frames (offset 67) start inside the 68-byte header."},
    {"InfiniteScale", [](Bytes& b) { setField(b, 156 + 4, 0x7f800000); },
     "damaged.md2: frame 0 has a scale that is not a finite number."},
    {"NaNTranslateInTheSecondFrame", [](Bytes& b) { setField(b, 208 + 20, 0x7fc00000); },
     "damaged.md2: frame 1 has a translate that is not a finite number."},
};

INSTANTIATE_TEST_SUITE_P(Md2File, Md2DamagedFile, testing::ValuesIn(DAMAGED_CASES),
                         [](const testing::TestParamInfo<DamagedCase>& row) { return row.param.name; });

// Every cut of a valid file is either refused or decoded within the file's bounds.
TEST(Md2File, EveryTruncationIsRefused)
{
    const Bytes whole = smallFile();
    for (std::size_t length = 0; length + 4 < whole.size(); ++length) {
        const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_NE(parseMd2(cut, "cut.md2", 198).failure, "") << "length " << length;
    }
}

// Damage every header and triangle byte in turn: whatever is accepted has indices in range.
TEST(Md2File, AcceptedDamageStillHasIndicesInRange)
{
    const Bytes whole = smallFile();
    for (std::size_t at = 0; at < 156; ++at) {
        for (int value : {0x00, 0x01, 0x7f, 0x80, 0xff}) {
            Bytes bytes = whole;
            bytes[at] = static_cast<std::uint8_t>(value);
            const Md2ContentsResult result = parseMd2(bytes, "fuzz.md2", 198);
            if (!result.failure.empty())
                continue;
            const int numVertices = getInt32(bytes, MD2_AT_VERTICES);
            const int numTexCoords = getInt32(bytes, MD2_AT_TEXCOORDS);
            EXPECT_EQ(result.contents.framePositions.size(),
                      static_cast<std::size_t>(result.contents.framesDecoded) * static_cast<std::size_t>(numVertices));
            for (const ModelTriangle& t : result.contents.triangles) {
                for (int c = 0; c < 3; ++c) {
                    EXPECT_LT(t.vertexIndices[c], numVertices) << "byte " << at;
                    EXPECT_LT(t.texCoordIndices[c], numTexCoords) << "byte " << at;
                }
            }
        }
    }
}

// The skin looked for beside a model: each row stores skin names in a model, puts (empty)
// files into its folder and names the file found, or "" when none is.
struct SkinLookupRow {
    const char* name;
    std::vector<std::string> stored;
    std::vector<std::string> files;
    const char* model;
    const char* found;
};

Bytes withSkinNames(const std::vector<std::string>& names)
{
    Bytes bytes = smallFile();
    putInt32(bytes, 20, std::int32_t(names.size()));
    putInt32(bytes, 44, std::int32_t(bytes.size()));
    for (const std::string& name : names) {
        Bytes field(64, 0);
        std::copy(name.begin(), name.end(), field.begin());
        bytes.insert(bytes.end(), field.begin(), field.end());
    }
    return bytes;
}

class SkinLookup : public testing::TestWithParam<SkinLookupRow> {};

TEST_P(SkinLookup, FindsTheFirstNameThatStandsBesideTheModel)
{
    const SkinLookupRow& row = GetParam();
    const std::string folder = testing::TempDir() + "halvane_skins_" + row.name + "/";
    std::filesystem::create_directories(folder);
    for (const std::string& file : row.files)
        std::ofstream(folder + file).put('x');
    const SkinSearch search = findSkin(folder + row.model, withSkinNames(row.stored));
    EXPECT_EQ(search.found, *row.found ? folder + row.found : "") << search.failure;
    EXPECT_EQ(search.ok(), *row.found != 0);
    std::filesystem::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(
    Md2File, SkinLookup,
    testing::Values(
        SkinLookupRow{"StoredPathAnyCase", {"players/wanderer/Skin.PCX"}, {"tris.bmp", "sKIN.pcx"}, "tris.md2", "sKIN.pcx"},
        SkinLookupRow{"BackslashPath", {"models\\x\\skin.pcx"}, {"skin.pcx"}, "tris.md2", "skin.pcx"},
        SkinLookupRow{"OtherExtension", {"players/x/skin.pcx"}, {"skin.JPG", "skin.png"}, "tris.md2", "skin.png"},
        SkinLookupRow{"FirstStoredThatStands", {"a.pcx", "b.pcx"}, {"b.pcx", "tris.pcx"}, "tris.md2", "b.pcx"},
        SkinLookupRow{"FirstStoredInAnyFormat", {"a.pcx", "b.pcx"}, {"a.png", "b.pcx"}, "tris.md2", "a.png"},
        SkinLookupRow{"ModelsOwnName", {}, {"sydney.bmp", "skin.pcx"}, "sydney.md2", "sydney.bmp"},
        SkinLookupRow{"UnsafeNamesSkipped", {"players/..", "", "x/\x1b.pcx", "../../tris.png"}, {".pcx", "...pcx", "tris.png"},
                      "tris.md2", "tris.png"}),
    [](const testing::TestParamInfo<SkinLookupRow>& row) { return std::string(row.param.name); });

TEST(Md2File, NoSkinFoundNamesEveryNameTried)
{
    const std::string folder = testing::TempDir() + "halvane_skins_none/";
    std::filesystem::create_directories(folder + "skin.pcx");  // a folder, not a picture
    // Names that are no file names are not looked for, and so not listed.
    const SkinSearch search =
        findSkin(folder + "tris.md2", withSkinNames({"players/x/skin.pcx", "players/..", "c:skin.pcx", "SKIN.tga"}));
    EXPECT_EQ(search.failure, "no skin found for " + folder + "tris.md2 in " + folder +
                                  " (looked for skin.pcx, skin.tga, skin.png, skin.jpg, skin.bmp, skin.webp, tris.pcx, "
                                  "tris.tga, tris.png, tris.jpg, tris.bmp, tris.webp); name one with --skin PICTURE");
    std::filesystem::remove_all(folder);
}

TEST(Md2File, SkinNamesThatDoNotFitAreRefused)
{
    Bytes bytes = withSkinNames({"skin.pcx"});
    putInt32(bytes, 20, 2);
    EXPECT_EQ(findSkin("cut.md2", bytes).failure,
              "cut.md2: the skin names (offset 264, 128 bytes) do not fit in the file (328 bytes).");
    putInt32(bytes, 20, -1);
    EXPECT_EQ(findSkin("cut.md2", bytes).failure, "cut.md2: the number of skins is negative (-1).");
    putInt32(bytes, 20, 1);
    putInt32(bytes, 44, 8);
    EXPECT_EQ(findSkin("cut.md2", bytes).failure, "cut.md2: the skin names (offset 8) start inside the 68-byte header.");
}

} // namespace
