#include "picture/PictureReader.h"

#include "data/FileSearch.h"
#include "data/ReadWholeFile.h"
#include "picture/PcxReader.h"
#include "picture/StbPicture.h"
#include "picture/TgaReader.h"
#include "picture/WebpPicture.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

const PictureFormat PICTURE_FORMATS[PICTURE_FORMAT_COUNT] = {
    {"PCX", ".pcx"}, {"TGA", ".tga"}, {"PNG", ".png"}, {"JPEG", ".jpg", ".jpeg"}, {"BMP", ".bmp"}, {"WebP", ".webp"}};

namespace {

const PictureFormat* formatOf(const std::string& path)
{
    const std::string extension = extensionOf(path);
    for (const PictureFormat& format : PICTURE_FORMATS)
        if (extension == format.extension || (format.otherExtension && extension == format.otherExtension))
            return &format;
    return nullptr;
}

// The TGA reader keeps its own messages and its unbuffered way of reading large files.
PictureDecode readTgaPicture(const char* path, bool announce)
{
    TgaDecode tga = readTga(path, announce);
    PictureDecode result;
    result.reason = tga.reason;
    result.image = std::move(tga.image);
    result.storage = std::string("24 bits per pixel, ") +
                     (tga.layout.runLength ? "run-length encoded (RLE)" : "uncompressed (raw)");
    return result;
}

}  // namespace

bool isPictureFile(const std::string& path)
{
    return formatOf(path) != nullptr;
}

std::string pictureFormat(const std::string& path)
{
    const PictureFormat* format = formatOf(path);
    return format ? format->name : "TGA";
}

PictureDecode decodePictureBytes(const std::uint8_t* data, std::size_t size, bool alpha)
{
    return isWebp(data, size) ? decodeWebpPicture(data, size, alpha) : decodeStbPicture(data, size, alpha);
}

PictureDecode readPicture(const char* path, bool announce, bool alpha)
{
    const std::string format = pictureFormat(path);
    if (format == "TGA")
        return readTgaPicture(path, announce);
    PictureDecode result;
    const WholeFile file = readWholeFile(path, "rb");
    if (!file.opened) {
        result.reason = "cannot open " + format + " file " + path + " (" + std::strerror(errno) + ")";
        return result;
    }
    if (announce)
        std::printf("loading %s file: %s\n", lowerCase(format).c_str(), path);
    if (!file.complete) {
        result.reason = "cannot read " + format + " file " + std::string(path);
        return result;
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(file.contents.data());
    result = format == "PCX" ? decodePcx(bytes, file.contents.size()) : decodePictureBytes(bytes, file.contents.size(), alpha);
    if (!result.ok())
        result.reason = format + " file " + path + ": " + result.reason;
    return result;
}
