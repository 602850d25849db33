// The TGA decoder: header checks first, then pixels, each read checked against the real size.
#include "picture/TgaReader.h"

#include "data/LittleEndian.h"
#include "picture/PixelSwap.h"

#include <algorithm>

namespace {

constexpr std::uint64_t HEADER_SIZE = 18;
constexpr std::uint64_t PIXEL_BYTES = 3;
// A run packet is one count byte and one pixel, and repeats that pixel up to 128 times.
constexpr std::uint64_t MOST_PIXELS_PER_RLE_BYTE = 128 / (1 + PIXEL_BYTES);
constexpr unsigned TYPE_UNCOMPRESSED = 2;
constexpr unsigned TYPE_RUN_LENGTH = 10;
constexpr unsigned DESCRIPTOR_TOP_LEFT = 0x20;

struct TgaHeader {
    unsigned idLength = 0;
    unsigned colourMapType = 0;
    unsigned imageType = 0;
    unsigned colourMapLength = 0;
    unsigned colourMapEntryBits = 0;
    unsigned width = 0;
    unsigned height = 0;
    unsigned bits = 0;
    unsigned descriptor = 0;
};

TgaHeader readHeader(const std::uint8_t* d)
{
    TgaHeader h;
    h.idLength = d[0];
    h.colourMapType = d[1];
    h.imageType = d[2];
    h.colourMapLength = readUint16(d + 5);
    h.colourMapEntryBits = d[7];
    h.width = readUint16(d + 12);
    h.height = readUint16(d + 14);
    h.bits = d[16];
    h.descriptor = d[17];
    return h;
}

// Empty when the header describes an image this reader decodes.
std::string checkHeader(const TgaHeader& h)
{
    if (h.imageType != TYPE_UNCOMPRESSED && h.imageType != TYPE_RUN_LENGTH)
        return "image type " + std::to_string(h.imageType) +
               " is not read; only true-colour images, uncompressed (2) or run-length encoded (10), are";
    if (h.colourMapType > 1)
        return "colour-map type " + std::to_string(h.colourMapType) + " is neither 0 nor 1";
    if (h.bits != 24)
        return "pixel depth is " + std::to_string(h.bits) + " bits; only 24-bit images are read";
    if (h.width == 0 || h.height == 0)
        return "image is empty (width " + std::to_string(h.width) + ", height " + std::to_string(h.height) + ")";
    return {};
}

// Bytes between the header and the pixels: the ID field, then the colour map, unused by true-colour images.
std::uint64_t bytesBeforePixels(const TgaHeader& h)
{
    std::uint64_t colourMap = 0;
    if (h.colourMapType == 1)
        colourMap = std::uint64_t(h.colourMapLength) * ((h.colourMapEntryBits + 7) / 8);
    return HEADER_SIZE + h.idLength + colourMap;
}

std::string sizeText(const TgaHeader& h)
{
    return std::to_string(h.width) + " x " + std::to_string(h.height);
}

// Expands run and raw packets into out, which holds pixelCount pixels; packets may cross rows.
std::string decodeRunLength(const std::uint8_t* src, std::uint64_t size, std::uint8_t* out, std::uint64_t pixelCount)
{
    std::uint64_t at = 0;
    std::uint64_t done = 0;
    while (done < pixelCount) {
        if (at >= size)
            return "run-length data ends after " + std::to_string(done) + " of " + std::to_string(pixelCount) +
                   " pixels";
        const unsigned packet = src[at++];
        const std::uint64_t count = (packet & 0x7F) + 1u;
        const bool run = (packet & 0x80) != 0;
        if (count > pixelCount - done)
            return "run-length packet at pixel " + std::to_string(done) + " runs past the last of " +
                   std::to_string(pixelCount) + " pixels";
        const std::uint64_t need = (run ? 1 : count) * PIXEL_BYTES;
        if (need > size - at)
            return "run-length data ends inside the packet at pixel " + std::to_string(done);
        for (std::uint64_t i = 0; i < count; ++i)
            std::copy_n(src + at + (run ? 0 : i * PIXEL_BYTES), PIXEL_BYTES, out + (done + i) * PIXEL_BYTES);
        at += need;
        done += count;
    }
    return {};
}

// OpenGL takes the first row as the bottom one; a top-left origin file stores the top row first.
void flipRows(Image& image)
{
    const std::size_t row = std::size_t(image.width) * PIXEL_BYTES;
    for (std::size_t low = 0, high = std::size_t(image.height) - 1; low < high; ++low, --high)
        std::swap_ranges(image.pixels.begin() + std::ptrdiff_t(low * row),
                         image.pixels.begin() + std::ptrdiff_t((low + 1) * row),
                         image.pixels.begin() + std::ptrdiff_t(high * row));
}

// Checks the pixel data against what the header promises, before anything is allocated.
std::string checkPixelDataSize(const TgaHeader& h, std::uint64_t available)
{
    const std::uint64_t pixelCount = std::uint64_t(h.width) * h.height;
    if (h.imageType == TYPE_UNCOMPRESSED && available < pixelCount * PIXEL_BYTES)
        return "file too short for " + sizeText(h) + " pixels (needs " + std::to_string(pixelCount * PIXEL_BYTES) +
               " bytes of pixel data, has " + std::to_string(available) + ")";
    if (h.imageType == TYPE_RUN_LENGTH && available * MOST_PIXELS_PER_RLE_BYTE < pixelCount)
        return "file too short for " + sizeText(h) + " run-length encoded pixels (has " + std::to_string(available) +
               " bytes of pixel data)";
    return {};
}

}  // namespace

TgaLayout inspectTga(const std::uint8_t* header, std::uint64_t fileSize)
{
    TgaLayout layout;
    const TgaHeader h = readHeader(header);
    layout.reason = checkHeader(h);
    if (!layout.ok())
        return layout;
    const std::uint64_t start = bytesBeforePixels(h);
    if (start > fileSize) {
        layout.reason = "file too short for its ID field and colour map (needs " + std::to_string(start) +
                        " bytes before the pixels, has " + std::to_string(fileSize) + ")";
        return layout;
    }
    layout.reason = checkPixelDataSize(h, fileSize - start);
    layout.pixelStart = start;
    layout.width = h.width;
    layout.height = h.height;
    layout.runLength = h.imageType == TYPE_RUN_LENGTH;
    layout.topLeft = (h.descriptor & DESCRIPTOR_TOP_LEFT) != 0;
    return layout;
}

void finishTgaImage(Image& image, const TgaLayout& layout)
{
    image.components = int(PIXEL_BYTES);
    image.width = int(layout.width);
    image.height = int(layout.height);
    if (layout.topLeft)
        flipRows(image);
}

TgaDecode decodeTga(const std::uint8_t* data, std::size_t size)
{
    TgaDecode result;
    if (size < HEADER_SIZE) {
        result.reason = "file too short for the 18-byte header (has " + std::to_string(size) + " bytes)";
        return result;
    }
    const TgaLayout layout = inspectTga(data, size);
    result.layout = layout;
    result.reason = layout.reason;
    if (!result.ok())
        return result;

    Image& image = result.image;
    const std::uint64_t pixelCount = std::uint64_t(layout.width) * layout.height;
    const std::uint64_t available = size - layout.pixelStart;
    const std::uint8_t* pixelData = data + layout.pixelStart;
    if (layout.runLength) {
        image.pixels.resize(pixelCount * PIXEL_BYTES);
        result.reason = decodeRunLength(pixelData, available, image.pixels.data(), pixelCount);
    } else {
        image.pixels.assign(pixelData, pixelData + pixelCount * PIXEL_BYTES);
    }
    if (!result.ok()) {
        result.image = Image();
        return result;
    }
    swapBlueAndRed(image.pixels.data(), image.pixels.size());
    finishTgaImage(image, layout);
    return result;
}
