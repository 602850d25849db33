#include "check/TextureCheck.h"

#include "picture/PictureReader.h"
#include "picture/TgaReader.h"

namespace {

bool powerOfTwo(unsigned n)
{
    return n != 0 && (n & (n - 1)) == 0;
}

unsigned nearestPowerOfTwo(unsigned n)
{
    unsigned below = 1;
    while (below * 2 <= n)
        below *= 2;
    return n - below > below * 2 - n ? below * 2 : below;
}

// Mipmaps are built through GLU, which scales any size; the plain upload with mipmapping off
// needs power-of-two sides on a driver that offers no more than OpenGL 1.1.
void warnAboutSize(unsigned width, unsigned height, FileReport& report)
{
    if (powerOfTwo(width) && powerOfTwo(height))
        return;
    report.warnings.push_back(
        {sizeText(width, height) + " is not a power of two on each side: today's drivers draw it, but a driver "
                                   "that offers only OpenGL 1.1 shows it white once mipmapping is switched off (F5).",
         "scale the picture to " + sizeText(nearestPowerOfTwo(width), nearestPowerOfTwo(height)) +
             " (each side 1, 2, 4, ... 256, 512, 1024 pixels)."});
}

}  // namespace

TextureCheck checkTexture(const std::string& path)
{
    TextureCheck check;
    const TgaDecode decoded = readTga(path.c_str(), false);
    check.report.failure = decoded.reason;
    if (!decoded.ok())
        return check;
    const TgaLayout& layout = decoded.layout;
    check.width = layout.width;
    check.height = layout.height;
    const char* const type = layout.runLength ? "run-length encoded (RLE)" : "uncompressed (raw)";
    const char* const origin = layout.topLeft ? "top left (rows stored top down; the program turns them)"
                                              : "bottom left (rows stored bottom up)";
    check.report.facts = {"size: " + sizeText(layout.width, layout.height) + " pixels, 24 bits each",
                          std::string("image type: ") + type, std::string("origin: ") + origin};
    warnAboutSize(layout.width, layout.height, check.report);
    return check;
}

TextureCheck checkSkin(const std::string& path)
{
    const std::string format = pictureFormat(path);
    if (format == "TGA")
        return checkTexture(path);
    TextureCheck check;
    const PictureDecode decoded = readPicture(path.c_str(), false);
    check.report.failure = decoded.reason;
    if (!decoded.ok())
        return check;
    check.width = unsigned(decoded.image.width);
    check.height = unsigned(decoded.image.height);
    check.report.facts = {"size: " + sizeText(check.width, check.height) + " pixels",
                          "format: " + format + ", " + decoded.storage};
    warnAboutSize(check.width, check.height, check.report);
    return check;
}
