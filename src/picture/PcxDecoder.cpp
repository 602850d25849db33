// The PCX decoder: header checks first, then one scan line at a time, each read checked against
// the real size. A scan line holds every plane of one row, bytesPerLine bytes each.
#include "picture/PcxReader.h"

#include "data/LittleEndian.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::size_t HEADER_SIZE = 128;
constexpr std::uint8_t MANUFACTURER = 0x0A;
// The 256-colour palette: a marker byte and 256 R, G, B entries, the file's last 769 bytes.
constexpr std::size_t PALETTE_SIZE = 1 + 256 * 3;
constexpr std::uint8_t PALETTE_MARKER = 0x0C;
// A run is two bytes (0xC0 plus the count, then the value) and repeats the value up to 63 times.
constexpr std::uint64_t MOST_BYTES_PER_RUN = 63;

struct PcxHeader {
    unsigned manufacturer = 0;
    unsigned encoding = 0;
    unsigned bitsPerPlane = 0;
    unsigned xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    unsigned planes = 0;
    unsigned bytesPerLine = 0;
};

PcxHeader readHeader(const std::uint8_t* d)
{
    PcxHeader h;
    h.manufacturer = d[0];
    h.encoding = d[2];
    h.bitsPerPlane = d[3];
    h.xMin = readUint16(d + 4);
    h.yMin = readUint16(d + 6);
    h.xMax = readUint16(d + 8);
    h.yMax = readUint16(d + 10);
    h.planes = d[65];
    h.bytesPerLine = readUint16(d + 66);
    return h;
}

std::string checkFormat(const PcxHeader& h)
{
    if (h.manufacturer != MANUFACTURER)
        return "not a PCX file (its first byte is " + std::to_string(h.manufacturer) + ", not 10)";
    if (h.encoding > 1)
        return "encoding " + std::to_string(h.encoding) + " is not read; only run-length encoded (1) and plain (0) are";
    if (h.bitsPerPlane != 8 || (h.planes != 1 && h.planes != 3 && h.planes != 4))
        return std::to_string(h.bitsPerPlane) + " bits per pixel in " + std::to_string(h.planes) +
               (h.planes == 1 ? " plane" : " planes") +
               " is not read; only 8 bits in 1 plane (256 colours) or in 3 planes (24-bit colour) are";
    return {};
}

std::string checkSize(const PcxHeader& h)
{
    if (h.xMax < h.xMin || h.yMax < h.yMin)
        return "image is empty (x from " + std::to_string(h.xMin) + " to " + std::to_string(h.xMax) + ", y from " +
               std::to_string(h.yMin) + " to " + std::to_string(h.yMax) + ")";
    const unsigned width = h.xMax - h.xMin + 1;
    const unsigned height = h.yMax - h.yMin + 1;
    if (width > MAX_PICTURE_SIDE || height > MAX_PICTURE_SIDE)
        return std::to_string(width) + " x " + std::to_string(height) + " pixels is over the limit of " +
               std::to_string(MAX_PICTURE_SIDE) + " on each side";
    if (h.bytesPerLine < width)
        return "bytes per line (" + std::to_string(h.bytesPerLine) + ") are fewer than the width (" +
               std::to_string(width) + ")";
    return {};
}

// Where the pixel data ends: before the palette of a 256-colour picture.
std::string findDataEnd(const PcxHeader& h, std::size_t size, std::size_t& end)
{
    end = size;
    if (h.planes != 1)
        return {};
    if (size < HEADER_SIZE + PALETTE_SIZE)
        return "file too short for the 256-colour palette at its end (has " + std::to_string(size) + " bytes)";
    end = size - PALETTE_SIZE;
    return {};
}

class LineReader {
public:
    LineReader(const std::uint8_t* data, std::size_t size, bool runLength)
        : data_(data), size_(size), runLength_(runLength)
    {
    }

    // Fills the scan line; "" or the reason it cannot be filled.
    std::string read(std::vector<std::uint8_t>& line, unsigned y)
    {
        if (!runLength_) {
            if (line.size() > size_ - at_)
                return "pixel data ends in line " + std::to_string(y);
            std::copy_n(data_ + at_, line.size(), line.begin());
            at_ += line.size();
            return {};
        }
        for (std::size_t done = 0; done < line.size();) {
            if (at_ >= size_)
                return "run-length data ends in line " + std::to_string(y) + " after " + std::to_string(done) +
                       " of its " + std::to_string(line.size()) + " bytes";
            std::size_t count = 1;
            std::uint8_t value = data_[at_++];
            if ((value & 0xC0) == 0xC0) {
                count = value & 0x3Fu;
                if (at_ >= size_)
                    return "run-length data ends inside the run at byte " + std::to_string(done) + " of line " +
                           std::to_string(y);
                value = data_[at_++];
            }
            if (count > line.size() - done)
                return "a run of " + std::to_string(count) + " bytes at byte " + std::to_string(done) + " of line " +
                       std::to_string(y) + " overflows its " + std::to_string(line.size()) + " bytes";
            std::fill_n(line.begin() + std::ptrdiff_t(done), count, value);
            done += count;
        }
        return {};
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    bool runLength_;
    std::size_t at_ = 0;
};

void paletteLine(const std::vector<std::uint8_t>& line, const std::uint8_t* palette, std::uint8_t* out, unsigned width)
{
    for (unsigned x = 0; x < width; ++x)
        std::copy_n(palette + 3 * line[x], 3, out + 3 * x);
}

// The planes of a line stand one after the other: all red bytes, then green, then blue.
void planeLine(const std::vector<std::uint8_t>& line, unsigned bytesPerLine, std::uint8_t* out, unsigned width)
{
    for (unsigned x = 0; x < width; ++x)
        for (unsigned c = 0; c < 3; ++c)
            out[3 * x + c] = line[c * bytesPerLine + x];
}

std::string storageText(const PcxHeader& h)
{
    return std::string(h.planes == 1 ? "8 bits per pixel with a 256-colour palette"
                                     : "24 bits per pixel in three colour planes") +
           (h.planes == 4 ? " (and a fourth plane, not used)" : "") +
           (h.encoding == 1 ? ", run-length encoded" : ", not compressed") + ", " + std::to_string(h.bytesPerLine) +
           " bytes per line and plane";
}

std::string decodeLines(const PcxHeader& h, const std::uint8_t* data, std::size_t size, Image& image)
{
    const unsigned width = h.xMax - h.xMin + 1;
    const unsigned height = h.yMax - h.yMin + 1;
    const std::uint64_t lineSize = std::uint64_t(h.bytesPerLine) * h.planes;
    const std::uint64_t needed = lineSize * height;
    const std::size_t available = size - HEADER_SIZE;
    if (h.encoding == 0 ? available < needed : available * MOST_BYTES_PER_RUN < needed * 2)
        return "file too short for " + std::to_string(width) + " x " + std::to_string(height) + " pixels (has " +
               std::to_string(available) + " bytes of pixel data)";
    startImage(image, width, height);
    std::vector<std::uint8_t> line(lineSize);
    LineReader reader(data + HEADER_SIZE, available, h.encoding == 1);
    const std::uint8_t* palette = data + size + 1;  // a paletted picture's data ends at the marker
    for (unsigned y = 0; y < height; ++y) {
        const std::string failure = reader.read(line, y);
        if (!failure.empty())
            return failure;
        if (h.planes == 1)
            paletteLine(line, palette, rowFromTop(image, y), width);
        else
            planeLine(line, h.bytesPerLine, rowFromTop(image, y), width);
    }
    return {};
}

}  // namespace

PictureDecode decodePcx(const std::uint8_t* data, std::size_t size)
{
    PictureDecode result;
    if (size < HEADER_SIZE) {
        result.reason = "file too short for the 128-byte header (has " + std::to_string(size) + " bytes)";
        return result;
    }
    const PcxHeader h = readHeader(data);
    result.reason = checkFormat(h);
    if (result.ok())
        result.reason = checkSize(h);
    std::size_t dataEnd = size;
    if (result.ok())
        result.reason = findDataEnd(h, size, dataEnd);
    if (result.ok() && h.planes == 1 && data[dataEnd] != PALETTE_MARKER)
        result.reason = "no 256-colour palette at the end of the file (its marker byte 12 is missing)";
    if (result.ok())
        result.reason = decodeLines(h, data, dataEnd, result.image);
    if (!result.ok()) {
        result.image = Image();
        return result;
    }
    result.storage = storageText(h);
    return result;
}
