// libFuzzer target: any bytes through the PCX decoder; a decoded image must match its size.
#include "picture/PcxReader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const PictureDecode decoded = decodePcx(data, size);
    if (!decoded.ok())
        return 0;
    const Image& image = decoded.image;
    const std::size_t expected = std::size_t(image.width) * std::size_t(image.height) * 3;
    if (image.width <= 0 || image.height <= 0 || unsigned(image.width) > MAX_PICTURE_SIDE ||
        unsigned(image.height) > MAX_PICTURE_SIDE || image.components != 3 || image.pixels.size() != expected)
        std::abort();
    return 0;
}
