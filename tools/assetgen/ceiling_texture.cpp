// Paints the plaster coffer texture of the ceiling.
#include "noise.h"
#include "paint.h"
#include "textures.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSize = 256;
constexpr int kCell = kSize / 2;
constexpr double kRib = 13.0;    // half width of a rib between coffers
constexpr double kSlope = 9.0;   // width of the sloped coffer side
constexpr double kDepth = 6.0;   // depth of a coffer below the ribs
constexpr double kRosette = 11.0;

double cellLocal(int v) { return ((v % kSize + kSize) % kSize) % kCell + 0.5; }

double ribDistance(double lx, double ly)
{
    return std::min(std::min(lx, kCell - lx), std::min(ly, kCell - ly));
}

double centreDistance(double lx, double ly)
{
    return std::hypot(lx - kCell / 2.0, ly - kCell / 2.0);
}

double ceilingHeight(int x, int y)
{
    double lx = cellLocal(x);
    double ly = cellLocal(y);
    double e = ribDistance(lx, ly) - kRib;
    double h = -kDepth * smoothStep(e / kSlope);
    double r = centreDistance(lx, ly) / kRosette;
    if (r < 1.0)
        h += 0.6 * kDepth * std::sqrt(1.0 - r * r);
    return h;
}

Colour ceilingPixel(int x, int y)
{
    const Colour rib{0.86, 0.84, 0.79};
    const Colour panel{0.78, 0.75, 0.70};
    double lx = cellLocal(x);
    double ly = cellLocal(y);
    double e = ribDistance(lx, ly) - kRib;
    double shade = reliefShade((ceilingHeight(x + 1, y) - ceilingHeight(x - 1, y)) / 2.0,
                               (ceilingHeight(x, y + 1) - ceilingHeight(x, y - 1)) / 2.0);
    // Coffer corners and the foot of the slope stay in shadow.
    double occlusion = 0.86 + 0.14 * smoothStep((e - kSlope) / 14.0);
    Colour c = e < 0.0 ? rib : blend(rib, scaled(panel, occlusion), smoothStep(e / kSlope));
    if (std::fabs(e + kRib) < 1.0)
        c = scaled(c, 0.82);  // the joint along the middle of every rib
    double ring = std::fabs(centreDistance(lx, ly) - 2.0 * kRosette);
    if (ring < 1.2)
        c = scaled(c, 0.85);
    double grain = hashUnit(x, y, 21U) - 0.5;
    double clouds = fractalNoise(x / 16.0, y / 16.0, kSize / 16, 3, 23U) - 0.5;
    return scaled(c, shade * (1.0 + 0.03 * grain + 0.08 * clouds));
}

}  // namespace

RgbImage makeCeilingTexture()
{
    RgbImage image(kSize, kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            putPixel(image, x, y, ceilingPixel(x, y));
    return image;
}
