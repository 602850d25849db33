// The wall's picture as WebP, through libwebp's encoder.
#include "test_building.h"

#include <webp/encode.h>

namespace test_building {

std::vector<std::uint8_t> wallWebp()
{
    const std::vector<unsigned char> pixels = wallPixels();
    std::uint8_t* encoded = nullptr;
    const std::size_t size = WebPEncodeLosslessRGB(pixels.data(), 16, 16, 16 * 3, &encoded);
    std::vector<std::uint8_t> bytes(encoded, encoded + size);
    WebPFree(encoded);
    return bytes;
}

}  // namespace test_building
