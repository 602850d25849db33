#include "picture/Picture.h"

void startImage(Image& image, unsigned width, unsigned height, int components)
{
    image.components = components;
    image.width = int(width);
    image.height = int(height);
    image.pixels.assign(std::size_t(width) * height * std::size_t(components), 0);
}

std::uint8_t* rowFromTop(Image& image, unsigned y)
{
    return image.pixels.data() + (std::size_t(image.height) - 1 - y) * std::size_t(image.width) * std::size_t(image.components);
}
