#include "tga_writer.h"

#include <cstdio>

bool writeTga(const std::string& path, const RgbImage& image)
{
    std::uint8_t header[18] = {};
    header[2] = 2;  // uncompressed true colour
    header[12] = std::uint8_t(image.width & 0xFF);
    header[13] = std::uint8_t(image.width >> 8);
    header[14] = std::uint8_t(image.height & 0xFF);
    header[15] = std::uint8_t(image.height >> 8);
    header[16] = 24;
    header[17] = 0;  // bottom-left origin, no alpha bits

    std::vector<std::uint8_t> bgr(image.rgb.size());
    for (std::size_t i = 0; i + 2 < image.rgb.size(); i += 3) {
        bgr[i] = image.rgb[i + 2];
        bgr[i + 1] = image.rgb[i + 1];
        bgr[i + 2] = image.rgb[i];
    }

    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
        return false;
    }
    bool ok = std::fwrite(header, 1, sizeof header, f) == sizeof header &&
              std::fwrite(bgr.data(), 1, bgr.size(), f) == bgr.size();
    ok = (std::fclose(f) == 0) && ok;
    if (!ok)
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
    return ok;
}
