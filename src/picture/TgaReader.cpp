// Reading a TGA file from disk: open, announce, then decode. An uncompressed image is read
// header first and then its pixels into the image; anything else is read whole and decoded in memory.
#include "picture/TgaReader.h"

#include "data/ReadWholeFile.h"
#include "platform/OpenFile.h"
#include "picture/PixelSwap.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::size_t HEADER_SIZE = 18;

std::string cannotRead(const char* path)
{
    return "cannot read TGA file " + std::string(path);
}

TgaDecode readWhole(std::FILE* file, const char* path)
{
    TgaDecode result;
    std::string bytes;
    if (std::fseek(file, 0, SEEK_SET) != 0 || !readWholeFile(file, bytes)) {
        result.reason = cannotRead(path);
        return result;
    }
    result = decodeTga(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    if (!result.ok())
        result.reason = "TGA file " + std::string(path) + ": " + result.reason;
    return result;
}

// The file's size in bytes, or -1 where the stream cannot tell it (then it is read whole).
long long sizeOf(std::FILE* file)
{
    if (std::fseek(file, 0, SEEK_END) != 0)
        return -1;
    const long size = std::ftell(file);
    if (std::fseek(file, 0, SEEK_SET) != 0)
        return -1;
    return size;
}

// Reads the pixels window by window and turns each window into R, G, B while it is still in
// the cache: a large image is not read whole and then swapped from main memory once more.
bool readSwappedPixels(std::FILE* file, std::uint64_t size, std::vector<std::uint8_t>& pixels)
{
    constexpr std::uint64_t WINDOW = 3 * 262144;  // whole pixels: 512 x 512 of them
    pixels.resize(size);
    for (std::uint64_t at = 0; at < size; at += WINDOW) {
        const std::size_t want = std::size_t(size - at < WINDOW ? size - at : WINDOW);
        if (std::fread(pixels.data() + at, 1, want, file) != want)
            return false;
        swapBlueAndRed(pixels.data() + at, want);
    }
    return true;
}

TgaDecode readFile(std::FILE* file, const char* path)
{
    TgaDecode result;
    const long long size = sizeOf(file);
    std::uint8_t header[HEADER_SIZE];
    const std::size_t got = size >= 0 ? std::fread(header, 1, HEADER_SIZE, file) : 0;
    if (std::ferror(file)) {
        result.reason = cannotRead(path);
        return result;
    }
    if (size < 0 || got < HEADER_SIZE || static_cast<unsigned long long>(size) < HEADER_SIZE)
        return readWhole(file, path);
    const TgaLayout layout = inspectTga(header, static_cast<std::uint64_t>(size));
    if (!layout.ok() || layout.runLength)  // decodeTga gives the reason, or expands the runs
        return readWhole(file, path);
    // Most files have no ID field and no colour map: their pixels follow the header directly.
    const bool skip = layout.pixelStart != HEADER_SIZE;
    if ((skip && std::fseek(file, static_cast<long>(layout.pixelStart), SEEK_SET) != 0) ||
        !readSwappedPixels(file, std::uint64_t(layout.width) * layout.height * 3, result.image.pixels)) {
        result = TgaDecode();
        result.reason = cannotRead(path);
        return result;
    }
    finishTgaImage(result.image, layout);
    result.layout = layout;
    return result;
}

}  // namespace

TgaDecode readTga(const char* path, bool announce)
{
    TgaDecode result;
    std::FILE* file = openFile(path, "rb");
    if (!file) {
        result.reason = "cannot open TGA file " + std::string(path) + " (" + std::strerror(errno) + ")";
        return result;
    }
    if (announce)
        std::printf("loading tga file: %s\n", path);
    // Unbuffered: the header is read as 18 bytes and the pixels straight into the image.
    std::setvbuf(file, nullptr, _IONBF, 0);
    result = readFile(file, path);
    std::fclose(file);
    return result;
}
