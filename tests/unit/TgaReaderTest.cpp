// The TGA reader: decoding from memory (good files and a table of broken ones) and from disk.
#include "texture/TgaReader.h"

#include "TgaBytes.h"

#include <gtest/gtest.h>

namespace {

const Bytes TWO_BY_TWO_PIXELS = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C};
const Bytes TWO_BY_TWO_RGB = {0x03, 0x02, 0x01, 0x06, 0x05, 0x04, 0x09, 0x08, 0x07, 0x0C, 0x0B, 0x0A};

TgaDecode decode(const Bytes& bytes)
{
    return decodeTga(bytes.data(), bytes.size());
}

void expectImage(const TgaDecode& decoded, int width, int height, const Bytes& rgb)
{
    ASSERT_TRUE(decoded.ok()) << decoded.reason;
    EXPECT_EQ(decoded.image.components, 3);
    EXPECT_EQ(decoded.image.width, width);
    EXPECT_EQ(decoded.image.height, height);
    EXPECT_EQ(decoded.image.pixels, rgb);
}

TEST(TgaDecode, TwoByTwoTurnsBgrIntoRgb)
{
    expectImage(decode(concat(TgaHeaderBytes().bytes(), TWO_BY_TWO_PIXELS)), 2, 2, TWO_BY_TWO_RGB);
}

TEST(TgaDecode, IdFieldIsSkipped)
{
    TgaHeaderBytes header;
    header.idLength = 5;
    const Bytes file = concat(concat(header.bytes(), {0xEE, 0xEE, 0xEE, 0xEE, 0xEE}), TWO_BY_TWO_PIXELS);
    expectImage(decode(file), 2, 2, TWO_BY_TWO_RGB);
}

TEST(TgaDecode, ColourMapIsSkipped)
{
    TgaHeaderBytes header;
    header.idLength = 1;
    header.colourMapType = 1;
    header.colourMapLength = 3;
    header.colourMapEntryBits = 15;  // two bytes per entry
    const Bytes file = concat(concat(header.bytes(), Bytes(1 + 3 * 2, 0xEE)), TWO_BY_TWO_PIXELS);
    expectImage(decode(file), 2, 2, TWO_BY_TWO_RGB);
}

TEST(TgaDecode, ColourMapFieldsWithoutColourMapAreIgnored)
{
    TgaHeaderBytes header;
    header.colourMapLength = 100;
    header.colourMapEntryBits = 24;
    expectImage(decode(concat(header.bytes(), TWO_BY_TWO_PIXELS)), 2, 2, TWO_BY_TWO_RGB);
}

TEST(TgaDecode, BytesAfterThePixelsAreIgnored)
{
    const Bytes file = concat(concat(TgaHeaderBytes().bytes(), TWO_BY_TWO_PIXELS), Bytes(26, 0x55));
    expectImage(decode(file), 2, 2, TWO_BY_TWO_RGB);
}

TEST(TgaDecode, WidthAndHeightAreUnsigned)
{
    TgaHeaderBytes header;
    header.width = 0x8001;
    header.height = 1;
    const TgaDecode decoded = decode(concat(header.bytes(), Bytes(0x8001 * 3, 0x10)));
    ASSERT_TRUE(decoded.ok()) << decoded.reason;
    EXPECT_EQ(decoded.image.width, 0x8001);
}

TEST(TgaDecode, TopLeftOriginRowsComeOutBottomUp)
{
    TgaHeaderBytes header;
    header.width = 1;
    header.height = 3;
    header.descriptor = 0x20;
    // Stored top row first: top is B G R = 1 2 3, middle 4 5 6, bottom 7 8 9.
    const Bytes file = concat(header.bytes(), {1, 2, 3, 4, 5, 6, 7, 8, 9});
    expectImage(decode(file), 1, 3, {9, 8, 7, 6, 5, 4, 3, 2, 1});
}

TEST(TgaDecode, RunLengthPacketsCrossRows)
{
    TgaHeaderBytes header;
    header.imageType = 10;
    header.width = 3;
    header.height = 2;
    // A run of 4 pixels (fills row 0 and the first pixel of row 1), then 2 raw pixels.
    const Bytes packets = {0x83, 10, 20, 30, 0x01, 1, 2, 3, 4, 5, 6};
    expectImage(decode(concat(header.bytes(), packets)), 3, 2,
                {30, 20, 10, 30, 20, 10, 30, 20, 10, 30, 20, 10, 3, 2, 1, 6, 5, 4});
}

TEST(TgaDecode, RunLengthWithTopLeftOrigin)
{
    TgaHeaderBytes header;
    header.imageType = 10;
    header.width = 2;
    header.height = 2;
    header.descriptor = 0x20;
    const Bytes packets = {0x81, 1, 1, 1, 0x81, 2, 2, 2};  // top row of 1s, bottom row of 2s
    expectImage(decode(concat(header.bytes(), packets)), 2, 2, {2, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1});
}

TEST(TgaDecode, LongestRunPacket)
{
    TgaHeaderBytes header;
    header.imageType = 10;
    header.width = 128;
    header.height = 1;
    const TgaDecode decoded = decode(concat(header.bytes(), {0xFF, 7, 8, 9}));
    ASSERT_TRUE(decoded.ok()) << decoded.reason;
    ASSERT_EQ(decoded.image.pixels.size(), 128u * 3);
    EXPECT_EQ(decoded.image.pixels[127 * 3], 9);
}

struct BrokenTga {
    const char* name;
    Bytes bytes;
    std::string reason;
};

TgaHeaderBytes with(void (*change)(TgaHeaderBytes&))
{
    TgaHeaderBytes header;
    change(header);
    return header;
}

std::vector<BrokenTga> brokenFiles()
{
    const Bytes pixels = TWO_BY_TWO_PIXELS;
    const TgaHeaderBytes huge = with([](TgaHeaderBytes& h) { h.width = h.height = 65535; });
    const TgaHeaderBytes rle = with([](TgaHeaderBytes& h) { h.imageType = 10; });
    const TgaHeaderBytes hugeRle = with([](TgaHeaderBytes& h) { h.imageType = 10, h.width = h.height = 65535; });
    return {
        {"Empty", {}, "file too short for the 18-byte header (has 0 bytes)"},
        {"ShortHeader", Bytes(17, 0), "file too short for the 18-byte header (has 17 bytes)"},
        {"ThirtyTwoBit", concat(with([](TgaHeaderBytes& h) { h.bits = 32; }).bytes(), Bytes(16, 0)),
         "pixel depth is 32 bits; only 24-bit images are read"},
        {"SixteenBit", concat(with([](TgaHeaderBytes& h) { h.bits = 16; }).bytes(), Bytes(8, 0)),
         "pixel depth is 16 bits; only 24-bit images are read"},
        {"ColourMapped", concat(with([](TgaHeaderBytes& h) { h.imageType = 1, h.bits = 8; }).bytes(), Bytes(4, 0)),
         "image type 1 is not read; only true-colour images, uncompressed (2) or run-length encoded (10), are"},
        {"Greyscale", concat(with([](TgaHeaderBytes& h) { h.imageType = 3; }).bytes(), pixels),
         "image type 3 is not read; only true-colour images, uncompressed (2) or run-length encoded (10), are"},
        {"NoImageData", with([](TgaHeaderBytes& h) { h.imageType = 0; }).bytes(),
         "image type 0 is not read; only true-colour images, uncompressed (2) or run-length encoded (10), are"},
        {"UnknownColourMapType", concat(with([](TgaHeaderBytes& h) { h.colourMapType = 2; }).bytes(), pixels),
         "colour-map type 2 is neither 0 nor 1"},
        {"ZeroWidth", with([](TgaHeaderBytes& h) { h.width = 0; }).bytes(), "image is empty (width 0, height 2)"},
        {"TruncatedIdField", concat(with([](TgaHeaderBytes& h) { h.idLength = 5; }).bytes(), {1, 2}),
         "file too short for its ID field and colour map (needs 23 bytes before the pixels, has 20)"},
        {"TruncatedColourMap",
         concat(with([](TgaHeaderBytes& h) { h.colourMapType = 1, h.colourMapLength = 256, h.colourMapEntryBits = 24; })
                    .bytes(),
                pixels),
         "file too short for its ID field and colour map (needs 786 bytes before the pixels, has 30)"},
        {"TruncatedPixels", concat(TgaHeaderBytes().bytes(), Bytes(pixels.begin(), pixels.end() - 1)),
         "file too short for 2 x 2 pixels (needs 12 bytes of pixel data, has 11)"},
        {"HugeHeaderSmallFile", concat(huge.bytes(), pixels),
         "file too short for 65535 x 65535 pixels (needs 12884508675 bytes of pixel data, has 12)"},
        {"HugeRunLengthHeader", concat(hugeRle.bytes(), {0xFF, 1, 2, 3}),
         "file too short for 65535 x 65535 run-length encoded pixels (has 4 bytes of pixel data)"},
        {"RunLengthEndsEarly", concat(rle.bytes(), {0x81, 1, 2, 3}), "run-length data ends after 2 of 4 pixels"},
        {"RunLengthPacketOverruns", concat(rle.bytes(), {0x84, 1, 2, 3}),
         "run-length packet at pixel 0 runs past the last of 4 pixels"},
        {"RawPacketOverruns", concat(rle.bytes(), {0x01, 1, 2, 3, 4, 5, 6, 0x02, 1, 2, 3}),
         "run-length packet at pixel 2 runs past the last of 4 pixels"},
        {"RawPacketTruncated", concat(rle.bytes(), {0x03, 1, 2, 3, 4, 5, 6}),
         "run-length data ends inside the packet at pixel 0"},
        {"RunPacketTruncated", concat(rle.bytes(), {0x81, 1, 2, 3, 0x81, 1}),
         "run-length data ends inside the packet at pixel 2"},
    };
}

class TgaDecodeRefuses : public testing::TestWithParam<BrokenTga> {};

TEST_P(TgaDecodeRefuses, WithItsReason)
{
    const TgaDecode decoded = decode(GetParam().bytes);
    EXPECT_EQ(decoded.reason, GetParam().reason);
    EXPECT_FALSE(decoded.ok());
    EXPECT_TRUE(decoded.image.pixels.empty());
}

INSTANTIATE_TEST_SUITE_P(BrokenFiles, TgaDecodeRefuses, testing::ValuesIn(brokenFiles()),
                         [](const testing::TestParamInfo<BrokenTga>& row) { return std::string(row.param.name); });

TEST(ReadTga, AnnouncesAndDecodesTheFile)
{
    const TempFile file("good.tga", concat(TgaHeaderBytes().bytes(), TWO_BY_TWO_PIXELS));
    const std::string& path = file.path;
    testing::internal::CaptureStdout();
    const TgaDecode decoded = readTga(path.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "loading tga file: " + path + "\n");
    expectImage(decoded, 2, 2, TWO_BY_TWO_RGB);
}

TEST(ReadTga, BrokenFileReasonNamesTheFile)
{
    const TempFile file("deep.tga", concat(with([](TgaHeaderBytes& h) { h.bits = 32; }).bytes(), Bytes(16, 0)));
    const std::string& path = file.path;
    testing::internal::CaptureStdout();
    const TgaDecode decoded = readTga(path.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "loading tga file: " + path + "\n");
    EXPECT_EQ(decoded.reason, "TGA file " + path + ": pixel depth is 32 bits; only 24-bit images are read");
}

TEST(ReadTga, MissingFilePrintsNothing)
{
    const std::string path = tempPath("no_such_file.tga");
    testing::internal::CaptureStdout();
    const TgaDecode decoded = readTga(path.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(decoded.reason, "cannot open TGA file " + path + " (No such file or directory)");
}

TEST(ReadTga, FolderCannotBeRead)
{
    const std::string path = testing::TempDir();
    testing::internal::CaptureStdout();
    const TgaDecode decoded = readTga(path.c_str());
    testing::internal::GetCapturedStdout();
    EXPECT_FALSE(decoded.ok());
    EXPECT_NE(decoded.reason.find(path), std::string::npos) << decoded.reason;
}

}  // namespace
