// Reading architecture part files: records, layout freedom, refused characters and cut records,
// and the loader's console texts and refusals.
#include "level/ArchitectureParser.h"
#include "level/ArchitecturePart.h"

#include "TgaBytes.h"

#include <gtest/gtest.h>

namespace {

const std::string SQUARE = "0 0 0 0 0\n1 0 0 1 0\n1 1 0 1 1\n0 1 0 0 1\n";
const std::vector<float> SQUARE_VERTICES = {0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0};
const std::vector<float> SQUARE_TEXCOORDS = {0, 0, 1, 0, 1, 1, 0, 1};

void expectRecords(const ArchitectureRecords& records, int count, const std::vector<float>& vertices,
                   const std::vector<float>& texCoords)
{
    ASSERT_TRUE(records.ok()) << records.reason;
    EXPECT_EQ(records.vertexCount, count);
    EXPECT_EQ(records.vertices, vertices);
    EXPECT_EQ(records.texCoords, texCoords);
}

TEST(ArchitectureParse, FourRecordSquare)
{
    expectRecords(parseArchitecture(SQUARE), 4, SQUARE_VERTICES, SQUARE_TEXCOORDS);
}

TEST(ArchitectureParse, LayoutDoesNotMatter)
{
    const char* layouts[] = {
        "\n\n0 0 0 0 0\n\n\n1 0 0 1 0\n   \n1 1 0 1 1\n\t\n0 1 0 0 1\n\n",  // blank lines
        "0 0 0 0 0 1 0 0 1 0\n1 1 0 1 1 0 1 0 0 1",                       // several records per line
        "0 0 0\n0 0 1 0 0 1 0 1 1\n0 1 1 0 1 0 0 1",                      // records across lines
        "0 0 0 0 0\r\n1 0 0 1 0\r\n1 1 0 1 1\r\n0 1 0 0 1\r\n",           // carriage returns
        "+0 0.0 0e0 .0 -0\n1. 0 0 1 0\n1 1 0 1 1\n0 10e-1 0 0 1",          // other spellings of numbers
    };
    for (const char* text : layouts) {
        SCOPED_TRACE(text);
        expectRecords(parseArchitecture(text), 4, SQUARE_VERTICES, SQUARE_TEXCOORDS);
    }
}

TEST(ArchitectureParse, ReadsDecimalsAndSigns)
{
    expectRecords(parseArchitecture("-12.5 10 3.25e1 0.125 -4\n" + SQUARE.substr(10)), 4,
                  {-12.5f, 10.0f, 32.5f, 1, 0, 0, 1, 1, 0, 0, 1, 0}, {0.125f, -4.0f, 1, 0, 1, 1, 0, 1});
}

TEST(ArchitectureParse, EmptyOrBlankFileHasNoRecords)
{
    expectRecords(parseArchitecture(""), 0, {}, {});
    expectRecords(parseArchitecture(" \n\r\n\t \n"), 0, {}, {});
}

// Records short of a whole quad load; drawing as quads leaves them out.
TEST(ArchitectureParse, RecordsShortOfAQuadLoad)
{
    expectRecords(parseArchitecture("1 2 3 4 5\n6 7 8 9 10\n"), 2, {1, 2, 3, 6, 7, 8}, {4, 5, 9, 10});
}

TEST(ArchitectureParse, LargestFiniteNumbersAreKept)
{
    expectRecords(parseArchitecture("3.4e38 -3.4e38 1e-45 0 0\n" + SQUARE.substr(10)), 4,
                  {3.4e38f, -3.4e38f, 1e-45f, 1, 0, 0, 1, 1, 0, 0, 1, 0}, {0, 0, 1, 0, 1, 1, 0, 1});
}

struct BadText {
    const char* name;
    std::string text;
    std::string reason;
};

std::vector<BadText> badTexts()
{
    return {
        {"LetterOnLineThree", "0 0 0 0 0\n1 1 1 1 1\nx 2 3 4 5\n", "line 3: 'x' cannot start a number"},
        {"Comma", "1,2 3 4 5\n", "line 1: ',' cannot start a number"},
        {"CommentAfterBlankLines", "\n\n\n# walls\n", "line 4: '#' cannot start a number"},
        {"MidRecord", "0 0 0 0 0\n1 1 ? 1 1\n", "line 2: '?' cannot start a number"},
        {"LoneMinus", "0 0 0 0 0 -\n", "line 1: '-' cannot start a number"},
        {"AfterCarriageReturns", "0 0 0 0 0\r\n0 0 0 0 0\r\n;", "line 3: ';' cannot start a number"},
        {"NulByte", std::string("0 0 0 0 0\n\0", 11), "line 2: byte 0x00 cannot start a number"},
        {"HighByte", "0 0 0 0 0\n0 0 0 0 \xC3\xA9\n", "line 2: byte 0xC3 cannot start a number"},
        {"CutInsideTheLastRecord", SQUARE + "1 1 1 1 1\n2 3 4",
         "the file ends inside a record (the last record has 3 of its 5 numbers)"},
        {"CutBeforeTheLastNumber", SQUARE.substr(0, SQUARE.size() - 2),
         "the file ends inside a record (the last record has 4 of its 5 numbers)"},
        {"LoneNumber", "7", "the file ends inside a record (the last record has 1 of its 5 numbers)"},
        {"Infinity", "0 0 inf 0 0\n", "line 1: 'inf' is not a finite number"},
        {"NotANumber", SQUARE + "0 0 0 0 0\n0 NaN 0 0 0\n", "line 6: 'NaN' is not a finite number"},
        {"TooLargeForAFloat", "0 0 0 0 0\n-1e39 0 0 0 0\n", "line 2: '-1e39' is not a finite number"},
    };
}

class ArchitectureParseRefuses : public testing::TestWithParam<BadText> {};

TEST_P(ArchitectureParseRefuses, NamingTheLine)
{
    const ArchitectureRecords records = parseArchitecture(GetParam().text);
    EXPECT_EQ(records.reason, GetParam().reason);
    EXPECT_FALSE(records.ok());
}

INSTANTIATE_TEST_SUITE_P(BadCharacters, ArchitectureParseRefuses, testing::ValuesIn(badTexts()),
                         [](const testing::TestParamInfo<BadText>& row) { return std::string(row.param.name); });

TEST(ArchitectureLoad, SquarePrintsItsProgress)
{
    const TempFile file("square.txt", SQUARE);
    const std::string& path = file.path;
    ArchitecturePart part;
    testing::internal::CaptureStdout();
    part.load(path.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "loading level architectur part: " + path +
                  "\n\n4 vertices and texture coordinates found\n\nloading vertices:\n"
                  "..vertices and texture coordinates loaded.\n");
    EXPECT_EQ(part.vertexCount, 4);
    EXPECT_EQ(part.vertices, SQUARE_VERTICES);
    EXPECT_EQ(part.texCoords, SQUARE_TEXCOORDS);
}


TEST(ArchitectureLoad, EmptyFileLeavesThePartEmpty)
{
    const TempFile file("empty.txt", std::string());
    const std::string& path = file.path;
    ArchitecturePart part;
    testing::internal::CaptureStdout();
    part.load(path.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "loading level architectur part: " + path +
                  "\n\n0 vertices and texture coordinates found\n\nloading vertices:\n"
                  "..vertices and texture coordinates loaded.\n");
    EXPECT_EQ(part.vertexCount, 0);
    EXPECT_TRUE(part.vertices.empty());
    EXPECT_TRUE(part.texCoords.empty());
}

// The program's start prints the refusal after the part's own line and ends with status 1.
TEST(ArchitectureLoad, MissingFileIsRefusedNamingIt)
{
    const std::string path = tempPath("no_such_part.txt");
    ArchitecturePart part;
    testing::internal::CaptureStdout();
    const std::string failure = part.load(path.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "loading level architectur part: " + path + "\n");
    EXPECT_EQ(failure, "cannot open " + path);
}

TEST(ArchitectureLoad, BadCharacterIsRefusedNamingTheLine)
{
    const TempFile file("bad_part.txt", std::string("0 0 0 0 0\n0 0 x 0 0\n"));
    const std::string& path = file.path;
    ArchitecturePart part;
    testing::internal::CaptureStdout();
    const std::string failure = part.load(path.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "loading level architectur part: " + path + "\n");
    EXPECT_EQ(failure, "architecture file " + path + ", line 2: 'x' cannot start a number");
    EXPECT_EQ(part.vertexCount, 0);
}

}  // namespace
