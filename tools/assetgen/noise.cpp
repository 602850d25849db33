// Hash-based value noise shared by the texture generators.
#include "noise.h"

#include <cmath>

namespace {

std::uint32_t mix(std::uint32_t h)
{
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

int wrap(int v, int period)
{
    int r = v % period;
    return r < 0 ? r + period : r;
}

double smooth(double t) { return t * t * (3.0 - 2.0 * t); }

}  // namespace

double hashUnit(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = mix(seed ^ mix(std::uint32_t(x) * 0x9e3779b9U ^ mix(std::uint32_t(y) + 0x632be5abU)));
    return double(h >> 8) / double(1U << 24);
}

double valueNoise(double x, double y, int period, std::uint32_t seed)
{
    double fx = std::floor(x);
    double fy = std::floor(y);
    int x0 = wrap(int(fx), period);
    int y0 = wrap(int(fy), period);
    int x1 = wrap(x0 + 1, period);
    int y1 = wrap(y0 + 1, period);
    double sx = smooth(x - fx);
    double sy = smooth(y - fy);
    double bottom = hashUnit(x0, y0, seed) + (hashUnit(x1, y0, seed) - hashUnit(x0, y0, seed)) * sx;
    double top = hashUnit(x0, y1, seed) + (hashUnit(x1, y1, seed) - hashUnit(x0, y1, seed)) * sx;
    return bottom + (top - bottom) * sy;
}

double fractalNoise(double x, double y, int period, int octaves, std::uint32_t seed)
{
    double sum = 0.0;
    double weight = 0.5;
    double total = 0.0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * valueNoise(x, y, period, seed + std::uint32_t(i) * 1013U);
        total += weight;
        x *= 2.0;
        y *= 2.0;
        period *= 2;
        weight *= 0.5;
    }
    return sum / total;
}
