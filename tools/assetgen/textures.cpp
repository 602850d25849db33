// Writes the two architecture textures, and paints the glazed tile texture.
#include "assetgen.h"
#include "noise.h"
#include "paint.h"
#include "textures.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSize = 512;
constexpr int kTile = kSize / 4;
constexpr double kGrout = 3.0;  // half width of the grout line, in pixels
constexpr double kBevel = 7.0;  // width of the rounded tile edge
constexpr double kRise = 3.5;   // height of a tile face above the grout

enum class TileKind { Plain, Border, Crossing };

TileKind kindOf(int tx, int ty)
{
    bool column = tx == 3;
    bool row = ty == 3;
    if (column && row)
        return TileKind::Crossing;
    return (column || row) ? TileKind::Border : TileKind::Plain;
}

// Distance from tile-local (lx, ly) to the nearest tile edge.
double edgeDistance(double lx, double ly)
{
    return std::min(std::min(lx, kTile - lx), std::min(ly, kTile - ly));
}

double tileHeight(int x, int y)
{
    int wx = (x % kSize + kSize) % kSize;
    int wy = (y % kSize + kSize) % kSize;
    double e = edgeDistance(wx % kTile + 0.5, wy % kTile + 0.5) - kGrout;
    if (e <= 0.0)
        return 0.0;
    return kRise * std::sin(std::min(e / kBevel, 1.0) * 1.5707963);
}

// The crossing tile carries a cream diamond with a dark outline.
Colour crossingPattern(Colour glaze, Colour cream, double lx, double ly)
{
    double d = std::fabs(lx - kTile / 2.0) + std::fabs(ly - kTile / 2.0);
    if (d < 34.0)
        return std::fabs(d - 17.0) < 1.5 ? glaze : cream;
    if (d < 37.0)
        return scaled(glaze, 0.55);
    return glaze;
}

Colour glazeColour(int tx, int ty, double lx, double ly)
{
    const Colour cream{0.87, 0.83, 0.72};
    const Colour blue{0.20, 0.38, 0.46};
    TileKind kind = kindOf(tx, ty);
    Colour c = kind == TileKind::Plain ? cream : blue;
    if (kind == TileKind::Crossing)
        c = crossingPattern(blue, cream, lx, ly);
    double tint = 0.95 + 0.10 * hashUnit(tx, ty, 11U);
    double warm = 0.02 * (hashUnit(tx, ty, 12U) - 0.5);
    return {c.r * tint * (1.0 + warm), c.g * tint, c.b * tint * (1.0 - warm)};
}

Colour tilePixel(int x, int y)
{
    int tx = x / kTile;
    int ty = y / kTile;
    double lx = x % kTile + 0.5;
    double ly = y % kTile + 0.5;
    double shade = reliefShade((tileHeight(x + 1, y) - tileHeight(x - 1, y)) / 2.0,
                               (tileHeight(x, y + 1) - tileHeight(x, y - 1)) / 2.0);
    double grain = hashUnit(x, y, 7U) - 0.5;
    double clouds = fractalNoise(x / 32.0, y / 32.0, kSize / 32, 3, 5U) - 0.5;
    if (edgeDistance(lx, ly) < kGrout) {
        Colour grout{0.55, 0.53, 0.49};
        return scaled(grout, shade * (0.93 + 0.16 * grain + 0.2 * clouds));
    }
    // The glaze gleams softly along one diagonal of each tile.
    double gloss = 0.05 * std::exp(-std::pow((lx - ly) / 30.0, 2.0)) * (ly / kTile);
    double body = 1.0 + 0.10 * clouds + 0.04 * grain + 0.03 * (ly - lx) / kTile;
    Colour c = scaled(glazeColour(tx, ty, lx, ly), shade * body);
    return blend(c, Colour{1.0, 1.0, 0.96}, gloss);
}

}  // namespace

RgbImage makeTileTexture()
{
    RgbImage image(kSize, kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            putPixel(image, x, y, tilePixel(x, y));
    return image;
}

bool writeTextures(const std::string& dir)
{
    return writeTga(dir + "kachel2.tga", makeTileTexture()) &&
           writeTga(dir + "ceiling.tga", makeCeilingTexture());
}
