// Swapping blue and red in packed pixels: every length, so that both the shuffled blocks and
// the byte-wise rest are checked against swapping pixel by pixel, also through the TGA reader.
#include "picture/PixelSwap.h"
#include "picture/TgaReader.h"

#include "TgaBytes.h"

#include <gtest/gtest.h>

namespace {

Bytes pattern(std::size_t size)
{
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = std::uint8_t(i * 37 + 11);
    return bytes;
}

Bytes swappedOneByOne(Bytes bytes)
{
    for (std::size_t i = 0; i + 2 < bytes.size(); i += 3)
        std::swap(bytes[i], bytes[i + 2]);
    return bytes;
}

TEST(PixelSwap, EveryLengthMatchesPixelByPixel)
{
    for (std::size_t size = 0; size <= 200; ++size) {
        Bytes bytes = pattern(size);
        swapBlueAndRed(bytes.data(), bytes.size());
        EXPECT_EQ(bytes, swappedOneByOne(pattern(size))) << "size " << size;
    }
}

TEST(PixelSwap, LeavesBytesAroundUntouched)
{
    Bytes bytes = pattern(64);
    swapBlueAndRed(bytes.data() + 1, 60);
    Bytes expected = pattern(64);
    Bytes middle(expected.begin() + 1, expected.begin() + 61);
    middle = swappedOneByOne(middle);
    std::copy(middle.begin(), middle.end(), expected.begin() + 1);
    EXPECT_EQ(bytes, expected);
}

// 13 x 7 pixels: rows longer than one shuffled block, both for a file read from disk and in memory.
TEST(PixelSwap, ReaderTurnsLargerImagesIntoRgb)
{
    TgaHeaderBytes header;
    header.width = 13;
    header.height = 7;
    const Bytes pixels = pattern(13 * 7 * 3);
    const Bytes file = concat(header.bytes(), pixels);
    const TempFile written("swap.tga", file);
    testing::internal::CaptureStdout();
    const TgaDecode fromDisk = readTga(written.path.c_str());
    testing::internal::GetCapturedStdout();
    const TgaDecode inMemory = decodeTga(file.data(), file.size());
    ASSERT_TRUE(fromDisk.ok()) << fromDisk.reason;
    ASSERT_TRUE(inMemory.ok()) << inMemory.reason;
    EXPECT_EQ(fromDisk.image.pixels, swappedOneByOne(pixels));
    EXPECT_EQ(inMemory.image.pixels, swappedOneByOne(pixels));
}

}  // namespace
