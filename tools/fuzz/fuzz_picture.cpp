// libFuzzer target: any bytes through our entry to stb_image (PNG, JPEG, BMP) and libwebp (WebP),
// as a building's pictures inside its file take it; a decoded image must be within our limits and
// match its size.
#include "picture/PictureReader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const PictureDecode decoded = decodePictureBytes(data, size);
    if (!decoded.ok())
        return 0;
    const Image& image = decoded.image;
    const std::size_t expected = std::size_t(image.width) * std::size_t(image.height) * 3;
    if (image.width <= 0 || image.height <= 0 || unsigned(image.width) > MAX_PICTURE_SIDE ||
        unsigned(image.height) > MAX_PICTURE_SIDE || image.components != 3 || image.pixels.size() != expected)
        std::abort();
    return 0;
}
