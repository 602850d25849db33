// The TGA reader: decoding from memory (good files and a table of broken ones) and from disk;
// then the skins' other formats: PCX (ours) against ImageMagick's files, and its broken ones.
#include "picture/PcxReader.h"
#include "picture/PictureReader.h"
#include "picture/TgaReader.h"

#include "TgaBytes.h"

#include <gtest/gtest.h>

#include <cstdlib>

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

// A PCX file: 128-byte header, the data as given, then for one plane the 256-colour palette
// (entry i is i, 255 - i, i / 2).
Bytes pcxFile(unsigned width, unsigned height, unsigned planes, unsigned bytesPerLine, const Bytes& data)
{
    Bytes file(128, 0);
    file[0] = 10, file[1] = 5, file[2] = 1, file[3] = 8, file[65] = std::uint8_t(planes);
    file[8] = std::uint8_t((width - 1) & 0xFF), file[9] = std::uint8_t((width - 1) >> 8);
    file[10] = std::uint8_t((height - 1) & 0xFF), file[11] = std::uint8_t((height - 1) >> 8);
    file[66] = std::uint8_t(bytesPerLine), file[67] = std::uint8_t(bytesPerLine >> 8);
    file = concat(file, data);
    if (planes == 1) {
        file.push_back(12);
        for (unsigned i = 0; i < 256; ++i)
            file.insert(file.end(), {std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i / 2)});
    }
    return file;
}

TEST(PcxDecode, PalettedOddLineWithPaddingAndEscapedIndices)
{
    // 3 x 2 with 5 bytes per line: the top row is 7, 200 (escaped as a run of one), 9; then two
    // padding bytes; the bottom row a run of three 1s and two padding bytes.
    const Bytes data = {7, 0xC1, 200, 9, 0xC2, 0, 0xC3, 1, 0xC2, 0};
    const PictureDecode decoded = decodePcx(pcxFile(3, 2, 1, 5, data).data(), 128 + 10 + 769);
    ASSERT_TRUE(decoded.ok()) << decoded.reason;
    EXPECT_EQ(decoded.image.pixels, Bytes({1, 254, 0, 1, 254, 0, 1, 254, 0, 7, 248, 3, 200, 55, 100, 9, 246, 4}));
}

TEST(PcxDecode, ThreePlanesPerLineBottomRowFirstOut)
{
    // 2 x 2, 3 bytes per line and plane (one padding byte each), not compressed.
    Bytes file = pcxFile(2, 2, 3, 3, {1, 2, 0, 3, 4, 0, 5, 6, 0, 7, 8, 0, 9, 10, 0, 11, 12, 0});
    file[2] = 0;
    const PictureDecode decoded = decodePcx(file.data(), file.size());
    ASSERT_TRUE(decoded.ok()) << decoded.reason;
    EXPECT_EQ(decoded.image.pixels, Bytes({7, 9, 11, 8, 10, 12, 1, 3, 5, 2, 4, 6}));
    EXPECT_EQ(decoded.storage, "24 bits per pixel in three colour planes, not compressed, 3 bytes per line and plane");
}

struct BrokenPcx {
    const char* name;
    Bytes bytes;
    std::string reason;
};

Bytes withByte(Bytes bytes, std::size_t at, std::uint8_t value)
{
    bytes[at] = value;
    return bytes;
}

// A three-plane file relabelled as paletted: too short for a palette.
Bytes planesToOne(Bytes bytes)
{
    bytes[65] = 1;
    return bytes;
}

std::vector<BrokenPcx> brokenPcxFiles()
{
    const Bytes good = pcxFile(3, 2, 1, 3, {0xC3, 1, 0xC3, 2});
    const Bytes planes = pcxFile(3, 1, 3, 3, {0xC9, 5});
    return {
        {"Empty", {}, "file too short for the 128-byte header (has 0 bytes)"},
        {"Png", withByte(good, 0, 0x89), "not a PCX file (its first byte is 137, not 10)"},
        {"UnknownEncoding", withByte(good, 2, 2), "encoding 2 is not read; only run-length encoded (1) and plain (0) are"},
        {"FourBitsPerPixel", withByte(good, 3, 4),
         "4 bits per pixel in 1 plane is not read; only 8 bits in 1 plane (256 colours) or in 3 planes (24-bit colour) are"},
        {"TwoPlanes", withByte(planes, 65, 2),
         "8 bits per pixel in 2 planes is not read; only 8 bits in 1 plane (256 colours) or in 3 planes (24-bit colour) are"},
        {"XMaxBelowXMin", withByte(good, 4, 5), "image is empty (x from 5 to 2, y from 0 to 1)"},
        {"OverTheLimit", pcxFile(8193, 1, 3, 8193, {}), "8193 x 1 pixels is over the limit of 8192 on each side"},
        {"LineShorterThanTheWidth", withByte(good, 66, 2), "bytes per line (2) are fewer than the width (3)"},
        {"NoRoomForThePalette", planesToOne(planes), "file too short for the 256-colour palette at its end (has 130 bytes)"},
        {"PaletteMarkerMissing", withByte(good, 128 + 4, 0), "no 256-colour palette at the end of the file (its marker byte 12 is missing)"},
        {"HugeSizeTinyData", pcxFile(8000, 8000, 3, 8000, {0xFF, 1}),
         "file too short for 8000 x 8000 pixels (has 2 bytes of pixel data)"},
        {"RunOverflowsItsLine", pcxFile(3, 2, 1, 3, {0xC4, 1, 0xC2, 2}),
         "a run of 4 bytes at byte 0 of line 0 overflows its 3 bytes"},
        {"LongRunOverflowsItsLine", pcxFile(40, 1, 1, 40, {0xFF, 1}),
         "a run of 63 bytes at byte 0 of line 0 overflows its 40 bytes"},
        {"RunOverflowsThePlanes", pcxFile(3, 1, 3, 3, {0xC8, 1, 0xC2, 2}),
         "a run of 2 bytes at byte 8 of line 0 overflows its 9 bytes"},
        {"DataEndsInTheLastLine", pcxFile(3, 2, 1, 3, {0xC3, 1, 0xC2, 2}),
         "run-length data ends in line 1 after 2 of its 3 bytes"},
        {"DataEndsInsideARun", pcxFile(3, 2, 1, 3, {0xC3, 1, 2, 0xC1}),
         "run-length data ends inside the run at byte 1 of line 1"},
        {"PlainDataCut", withByte(pcxFile(3, 2, 3, 3, Bytes(17, 0)), 2, 0), "file too short for 3 x 2 pixels (has 17 bytes of pixel data)"},
    };
}

class PcxDecodeRefuses : public testing::TestWithParam<BrokenPcx> {};

TEST_P(PcxDecodeRefuses, WithItsReason)
{
    const PictureDecode decoded = decodePcx(GetParam().bytes.data(), GetParam().bytes.size());
    EXPECT_EQ(decoded.reason, GetParam().reason);
    EXPECT_TRUE(decoded.image.pixels.empty());
}

INSTANTIATE_TEST_SUITE_P(BrokenFiles, PcxDecodeRefuses, testing::ValuesIn(brokenPcxFiles()),
                         [](const testing::TestParamInfo<BrokenPcx>& row) { return std::string(row.param.name); });

// ImageMagick's PCX files, paletted and 24-bit, odd widths (and so odd bytes per line), runs
// that end at the line's end or are split at 63: the same pixels as the PNG they were made
// from, which stb_image decodes, and as the same picture in BMP (stored bottom up).
TEST(PcxDecode, ImageMagicksFilesGiveTheirPngsPixels)
{
#ifdef _WIN32
    GTEST_SKIP() << "ImageMagick is not at hand under Wine";
#endif
    if (std::system("convert -version >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "ImageMagick's convert is not installed (tools/install-deps test)";
    const struct {
        const char* name;
        const char* source;  // ImageMagick's picture, written as an 8-bit PNG
        const char* type;
    } rows[] = {
        {"gradient", "-size 7x5 gradient:red-blue -colors 8", "Palette"},
        {"solid", "-size 65x3 xc:#C8C8C8", "Palette"},
        {"many", "-size 17x9 -seed 4 plasma: -colors 256", "Palette"},
        {"plasma", "-size 9x4 -seed 3 plasma:", "TrueColor"},
        {"dot", "-size 1x1 xc:#FFC0C1", "TrueColor"},
    };
    for (const auto& row : rows) {
        const std::string png = tempPath(std::string(row.name) + ".png");
        const std::string pcx = tempPath(std::string(row.name) + ".pcx");
        const std::string bmp = tempPath(std::string(row.name) + ".bmp");
        tempFilesLeft().insert(tempFilesLeft().end(), {png, pcx, bmp});
        const std::string make = std::string("convert ") + row.source + " -depth 8 " + png + " && convert " + png +
                                 " -type " + row.type + " " + pcx + " && convert " + png + " -compress None bmp3:" + bmp;
        ASSERT_EQ(std::system(make.c_str()), 0) << make;
        testing::internal::CaptureStdout();
        const PictureDecode fromPng = readPicture(png.c_str());
        const PictureDecode fromPcx = readPicture(pcx.c_str());
        const PictureDecode fromBmp = readPicture(bmp.c_str());
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  "loading png file: " + png + "\nloading pcx file: " + pcx + "\nloading bmp file: " + bmp + "\n");
        ASSERT_TRUE(fromPng.ok() && fromPcx.ok() && fromBmp.ok()) << fromPng.reason << fromPcx.reason << fromBmp.reason;
        EXPECT_EQ(fromPcx.image.width, fromPng.image.width) << row.name;
        EXPECT_EQ(fromPcx.image.height, fromPng.image.height) << row.name;
        EXPECT_EQ(fromPcx.image.pixels, fromPng.image.pixels) << row.name;
        EXPECT_EQ(fromBmp.image.pixels, fromPng.image.pixels) << row.name << " as BMP";
    }
}

TEST(ReadPicture, ReasonNamesTheFormatAndTheFile)
{
    // The format by the file name's extension, any letter case, from the one list of picture formats.
    EXPECT_EQ(pictureFormat("skin.JPEG"), "JPEG");
    EXPECT_TRUE(isPictureFile("skin.Jpeg"));
    EXPECT_FALSE(isPictureFile("pelgrin.md2"));
    const TempFile pcx("broken.PCX", Bytes(200, 0));
    const TempFile png("broken.png", Bytes(200, 0));
    testing::internal::CaptureStdout();
    EXPECT_EQ(readPicture(pcx.path.c_str()).reason, "PCX file " + pcx.path + ": not a PCX file (its first byte is 0, not 10)");
    EXPECT_EQ(readPicture(png.path.c_str()).reason, "PNG file " + png.path + ": not a picture that can be read (Image not of any known type, or corrupt)");
    // Found by the fuzzer: counts that overrun stb_image's Huffman table are refused before it.
    for (const char* name : {"huffman-counts-over-256.jpg", "huffman-counts-past-the-segment.jpg",
                             "huffman-counts-after-fill-bytes.jpg", "huffman-sixteenth-count-over-256.jpg"}) {
        const std::string jpeg = std::string(HALVANE_SOURCE_DIR) + "/tools/fuzz/corpus/picture/" + name;
        EXPECT_EQ(readPicture(jpeg.c_str(), false).reason,
                  "JPEG file " + jpeg + ": a Huffman table of the JPEG picture holds more than 256 codes");
    }
    const std::string empty = std::string(HALVANE_SOURCE_DIR) + "/tools/fuzz/corpus/picture/height-0.bmp";
    EXPECT_EQ(readPicture(empty.c_str(), false).reason, "BMP file " + empty + ": image is empty (width 1923, height 0)");
    const std::string noData = std::string(HALVANE_SOURCE_DIR) + "/tools/fuzz/corpus/picture/first-idat-empty.png";
    EXPECT_EQ(readPicture(noData.c_str(), false).reason,
              "PNG file " + noData + ": the PNG picture's first image data chunk is empty");
    const std::string undefinedTable = std::string(HALVANE_SOURCE_DIR) + "/tools/fuzz/corpus/picture/scan-with-undefined-table.jpg";
    EXPECT_EQ(readPicture(undefinedTable.c_str(), false).reason,
              "JPEG file " + undefinedTable + ": a scan of the JPEG picture uses a Huffman table the file does not define");
    const std::string pastTheEnd = std::string(HALVANE_SOURCE_DIR) + "/tools/fuzz/corpus/picture/idat-past-the-end.png";
    EXPECT_EQ(readPicture(pastTheEnd.c_str(), false).reason,
              "PNG file " + pastTheEnd + ": an image data chunk of the PNG picture reaches past the end of the file");
    const std::string missing = tempPath("missing.bmp");
    EXPECT_EQ(readPicture(missing.c_str()).reason, "cannot open BMP file " + missing + " (No such file or directory)");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "loading pcx file: " + pcx.path + "\nloading png file: " + png.path + "\n");
}

}  // namespace
