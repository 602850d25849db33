// The one place stb_image is compiled: PNG, JPEG and BMP only, from memory only (files are
// opened through our own seam, which takes UTF-8 paths on Windows too).
#include "picture/StbPicture.h"

#include <algorithm>
#include <climits>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_FAILURE_USERMSG
#define STBI_MAX_DIMENSIONS MAX_PICTURE_SIDE
// A JPEG scan whose data ends before its blocks do is padded with zero bits. Once stb_image's bit
// reader is 8 or more bits in debt there, it shifts a zero byte by 32 or more: undefined by the
// letter of the language, 0 in every build (later stb_image versions end such a scan instead).
// Only that check of the sanitizer builds is off, and only for stb_image's own functions.
#if defined(__clang__)
#pragma clang attribute push(__attribute__((no_sanitize("shift-exponent"))), apply_to = function)
#endif
#include <stb_image.h>
#if defined(__clang__)
#pragma clang attribute pop
#endif

namespace {

unsigned bigEndian16(const std::uint8_t* p)
{
    return (unsigned(p[0]) << 8) | p[1];
}

// The Huffman tables a JPEG file has defined so far, and whether its frame is progressive.
struct JpegTables {
    bool dc[4] = {};
    bool ac[4] = {};
    bool progressive = false;
};

// Debian's stb_image writes past its Huffman tables when a JPEG table's 16 code counts add up to
// more than the 256 symbols a table holds. stb_image reads a table's 16 counts even where they
// reach past the segment's end.
std::string defineTables(const std::uint8_t* data, std::size_t size, std::size_t table, std::size_t end, JpegTables& tables)
{
    while (table < end) {
        unsigned symbols = 0;
        for (std::size_t i = table + 1; i <= table + 16 && i < size; ++i)
            symbols += data[i];
        if (symbols > 256)
            return "a Huffman table of the JPEG picture holds more than 256 codes";
        const unsigned which = data[table] & 15;
        if (which < 4)
            (data[table] >> 4 ? tables.ac : tables.dc)[which] = true;
        table += 17 + symbols;
    }
    return "";
}

// stb_image leaves the tables a file never defines as whatever memory held, and a scan that
// decodes with one reads that as indices (found by our fuzzer).
std::string scanTablesDefined(const std::uint8_t* data, std::size_t at, std::size_t end, const JpegTables& tables)
{
    const std::size_t count = at + 4 < end ? data[at + 4] : 0;
    const std::size_t spectrum = at + 5 + 2 * count;
    if (spectrum + 3 > end)
        return "";  // stb_image refuses the scan itself
    const bool dcScan = data[spectrum] == 0, firstPass = (data[spectrum + 2] >> 4) == 0;
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned dc = data[at + 6 + 2 * i] >> 4, ac = data[at + 6 + 2 * i] & 15;
        const bool needsDc = !tables.progressive || (dcScan && firstPass);
        const bool needsAc = !tables.progressive || !dcScan;
        if ((needsDc && (dc > 3 || !tables.dc[dc])) || (needsAc && (ac > 3 || !tables.ac[ac])))
            return "a scan of the JPEG picture uses a Huffman table the file does not define";
    }
    return "";
}

// Walks the markers as a decoder does, the entropy-coded data between them included; returns
// why stb_image must not see the file, or an empty string.
std::string jpegProblem(const std::uint8_t* data, std::size_t size, std::size_t at)
{
    JpegTables tables;
    while (at + 4 <= size) {
        const unsigned marker = data[at + 1];
        if (data[at] != 0xFF || marker == 0xFF || marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += data[at] == 0xFF && marker != 0xFF ? 2 : 1;  // entropy-coded data, fill, stuffing, restarts
            continue;
        }
        const std::size_t end = std::min(size, at + 2 + bigEndian16(data + at + 2));
        std::string problem;
        if (marker == 0xC2)
            tables.progressive = true;
        else if (marker == 0xC4)
            problem = defineTables(data, size, at + 4, end, tables);
        else if (marker == 0xDA)
            problem = scanTablesDefined(data, at, end, tables);
        if (!problem.empty())
            return problem;
        at = end;
    }
    return "";
}

// stb_image copies the first IDAT chunk of a PNG file into a buffer it has not made yet when
// that chunk is empty (a zero-byte copy from a null pointer, which the compiler may take as a
// promise that the pointer is not null), and it grows its buffer to the length an IDAT chunk
// claims before it finds the file too short for it (a few bytes asked it for 2 GB); such files
// are refused here first. Returns why, or an empty string.
std::string pngDataProblem(const std::uint8_t* data, std::size_t size)
{
    static const std::uint8_t SIGNATURE[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (size < 8 || !std::equal(SIGNATURE, SIGNATURE + 8, data))
        return "";
    bool first = true;
    for (std::uint64_t at = 8; at + 8 <= size;) {
        const std::uint64_t length = (std::uint64_t(bigEndian16(data + at)) << 16) | bigEndian16(data + at + 2);
        if (std::equal(data + at + 4, data + at + 8, "IEND"))
            return "";
        if (std::equal(data + at + 4, data + at + 8, "IDAT")) {
            if (first && length == 0)
                return "the PNG picture's first image data chunk is empty";
            if (length > size - at - 8)
                return "an image data chunk of the PNG picture reaches past the end of the file";
            first = false;
        }
        at += 12 + length;
    }
    return "";
}

std::string storageText(int channels)
{
    switch (channels) {
    case 1: return "grey";
    case 2: return "grey with alpha (alpha not used)";
    case 4: return "RGB with alpha (alpha not used)";
    default: return "RGB";
    }
}

}  // namespace

PictureDecode decodeStbPicture(const std::uint8_t* data, std::size_t size, bool alpha)
{
    PictureDecode result;
    if (size > std::size_t(INT_MAX)) {
        result.reason = "file too large (" + std::to_string(size) + " bytes)";
        return result;
    }
    int width = 0, height = 0, channels = 0;
    const int length = int(size);
    result.reason = pngDataProblem(data, size);
    if (!result.ok())
        return result;
    // stb_image takes for JPEG whatever starts with its start-of-image marker, fill bytes allowed.
    std::size_t start = 0;
    while (start < size && data[start] == 0xFF)
        ++start;
    const bool jpeg = start > 0 && start < size && data[start] == 0xD8;
    if (jpeg)
        result.reason = jpegProblem(data, size, start + 1);
    if (!result.ok())
        return result;
    if (!stbi_info_from_memory(data, length, &width, &height, &channels)) {
        result.reason = std::string("not a picture that can be read (") + stbi_failure_reason() + ")";
        return result;
    }
    // stb_image takes a BMP file of height 0 for an image of no rows.
    if (width <= 0 || height <= 0) {
        result.reason = "image is empty (width " + std::to_string(width) + ", height " + std::to_string(height) + ")";
        return result;
    }
    if (unsigned(width) > MAX_PICTURE_SIDE || unsigned(height) > MAX_PICTURE_SIDE) {
        result.reason = std::to_string(width) + " x " + std::to_string(height) + " pixels is over the limit of " +
                        std::to_string(MAX_PICTURE_SIDE) + " on each side";
        return result;
    }
    const int components = alpha && (channels == 2 || channels == 4) ? 4 : 3;
    stbi_uc* pixels = stbi_load_from_memory(data, length, &width, &height, &channels, components);
    if (!pixels) {
        result.reason = std::string("cannot be decoded (") + stbi_failure_reason() + ")";
        return result;
    }
    startImage(result.image, unsigned(width), unsigned(height), components);
    const std::size_t row = std::size_t(width) * std::size_t(components);
    for (unsigned y = 0; y < unsigned(height); ++y)
        std::copy_n(pixels + y * row, row, rowFromTop(result.image, y));
    stbi_image_free(pixels);
    result.storage = components == 4 ? "RGB with alpha" : storageText(channels);
    return result;
}
