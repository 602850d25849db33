#include "picture/PictureReader.h"

#include "data/ReadWholeFile.h"
#include "picture/PcxReader.h"
#include "picture/StbPicture.h"
#include "picture/TgaReader.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

const char* const PICTURE_EXTENSIONS[PICTURE_EXTENSION_COUNT] = {".pcx", ".tga", ".png", ".jpg", ".bmp"};

namespace {

std::string lower(std::string text)
{
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string lowerExtension(const std::string& path)
{
    const std::size_t dot = path.rfind('.');
    const std::size_t separator = path.find_last_of("/\\");
    if (dot == std::string::npos || (separator != std::string::npos && dot < separator))
        return "";
    return lower(path.substr(dot));
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

std::string pictureFormat(const std::string& path)
{
    const std::string extension = lowerExtension(path);
    if (extension == ".pcx")
        return "PCX";
    if (extension == ".png")
        return "PNG";
    if (extension == ".jpg" || extension == ".jpeg")
        return "JPEG";
    if (extension == ".bmp")
        return "BMP";
    return "TGA";
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
        std::printf("loading %s file: %s\n", lower(format).c_str(), path);
    if (!file.complete) {
        result.reason = "cannot read " + format + " file " + std::string(path);
        return result;
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(file.contents.data());
    result = format == "PCX" ? decodePcx(bytes, file.contents.size()) : decodeStbPicture(bytes, file.contents.size(), alpha);
    if (!result.ok())
        result.reason = format + " file " + path + ": " + result.reason;
    return result;
}
