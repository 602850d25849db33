// Colour helpers and the light model baked into the textures.
#include "paint.h"

#include <algorithm>
#include <cmath>

Colour scaled(Colour c, double f) { return {c.r * f, c.g * f, c.b * f}; }

Colour blend(Colour a, Colour b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

static std::uint8_t toByte(double v)
{
    return std::uint8_t(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
}

void putPixel(RgbImage& image, int x, int y, Colour c)
{
    std::uint8_t* p = image.at(x, y);
    p[0] = toByte(c.r);
    p[1] = toByte(c.g);
    p[2] = toByte(c.b);
}

double reliefShade(double dx, double dy)
{
    // Light from the left, from above (texture t grows upwards) and from the front.
    const double lx = -0.45, ly = 0.55, lz = 0.70;
    double len = std::sqrt(dx * dx + dy * dy + 1.0);
    double lambert = (-dx * lx - dy * ly + lz) / len;
    return std::max(0.25, lambert / lz);
}

double smoothStep(double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}
