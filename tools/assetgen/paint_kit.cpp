// Value noise on an integer lattice with a small integer hash (no library PRNG).
#include "paint_kit.h"

#include <cmath>

namespace {

float lattice(int x, int y, int z)
{
    std::uint32_t h = std::uint32_t(x) * 73856093u ^ std::uint32_t(y) * 19349663u ^ std::uint32_t(z) * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return float(h & 0xFFFFu) / 65535.0f;
}

float fade(float t) { return t * t * (3 - 2 * t); }

}  // namespace

float valueNoise(Vec3 p)
{
    float fx = std::floor(p.x), fy = std::floor(p.y), fz = std::floor(p.z);
    int x = int(fx), y = int(fy), z = int(fz);
    float tx = fade(p.x - fx), ty = fade(p.y - fy), tz = fade(p.z - fz);
    auto edge = [&](int dy, int dz) {
        return lattice(x, y + dy, z + dz) + (lattice(x + 1, y + dy, z + dz) - lattice(x, y + dy, z + dz)) * tx;
    };
    float a = edge(0, 0) + (edge(1, 0) - edge(0, 0)) * ty;
    float b = edge(0, 1) + (edge(1, 1) - edge(0, 1)) * ty;
    return a + (b - a) * tz;
}
