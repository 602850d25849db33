// Reading a TGA file from disk: open, announce, then decode. An uncompressed image is read
// header first and its pixels straight into the image; anything else is read whole and decoded in memory.
#include "texture/TgaReader.h"

#include "math/ReadWholeFile.h"

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
    TgaImage& image = result.image;
    image.pixels.resize(std::size_t(layout.width) * layout.height * 3);
    if (std::fseek(file, static_cast<long>(layout.pixelStart), SEEK_SET) != 0 ||
        std::fread(image.pixels.data(), 1, image.pixels.size(), file) != image.pixels.size()) {
        result = TgaDecode();
        result.reason = cannotRead(path);
        return result;
    }
    finishTgaImage(image, layout);
    return result;
}

}  // namespace

TgaDecode readTga(const char* path)
{
    TgaDecode result;
    std::FILE* file = std::fopen(path, "rb");
    if (!file) {
        result.reason = "cannot open TGA file " + std::string(path) + " (" + std::strerror(errno) + ")";
        return result;
    }
    std::printf("loading tga file: %s\n", path);
    result = readFile(file, path);
    std::fclose(file);
    return result;
}
