#include "picture/WebpPicture.h"

#include <webp/decode.h>

#include <algorithm>
#include <cstring>
#include <vector>

bool isWebp(const std::uint8_t* data, std::size_t size)
{
    return size >= 12 && std::memcmp(data, "RIFF", 4) == 0 && std::memcmp(data + 8, "WEBP", 4) == 0;
}

PictureDecode decodeWebpPicture(const std::uint8_t* data, std::size_t size, bool alpha)
{
    PictureDecode result;
    WebPBitstreamFeatures features;
    if (WebPGetFeatures(data, size, &features) != VP8_STATUS_OK) {
        result.reason = "not a WebP picture that can be read";
        return result;
    }
    if (features.has_animation) {
        result.reason = "an animated WebP picture, which is no texture";
        return result;
    }
    const int width = features.width, height = features.height;
    if (width <= 0 || height <= 0 || unsigned(width) > MAX_PICTURE_SIDE || unsigned(height) > MAX_PICTURE_SIDE) {
        result.reason = std::to_string(width) + " x " + std::to_string(height) + " pixels is over the limit of " +
                        std::to_string(MAX_PICTURE_SIDE) + " on each side";
        return result;
    }
    const int components = alpha && features.has_alpha ? 4 : 3;
    const std::size_t row = std::size_t(width) * std::size_t(components);
    std::vector<std::uint8_t> pixels(row * std::size_t(height));
    const std::uint8_t* decoded = components == 4 ? WebPDecodeRGBAInto(data, size, pixels.data(), pixels.size(), int(row))
                                                  : WebPDecodeRGBInto(data, size, pixels.data(), pixels.size(), int(row));
    if (!decoded) {
        result.reason = "a broken WebP picture (its data cannot be decoded)";
        return result;
    }
    startImage(result.image, unsigned(width), unsigned(height), components);
    for (unsigned y = 0; y < unsigned(height); ++y)
        std::copy_n(pixels.data() + y * row, row, rowFromTop(result.image, y));
    result.storage = std::string(features.format == 2 ? "lossless" : "lossy") + " WebP" + (components == 4 ? " with alpha" : "");
    return result;
}
