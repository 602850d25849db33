// The 162 normal bins: an icosahedron whose edges are halved twice, pushed onto the sphere.
#include "normal_bins.h"

#include <array>
#include <map>
#include <utility>
#include <vector>

namespace {

struct Sphere {
    std::vector<Vec3> points;
    std::vector<std::array<int, 3>> faces;
};

Sphere icosahedron()
{
    const float g = 1.6180339887f;
    Sphere s;
    s.points = {{-1, g, 0}, {1, g, 0}, {-1, -g, 0}, {1, -g, 0}, {0, -1, g}, {0, 1, g},
                {0, -1, -g}, {0, 1, -g}, {g, 0, -1}, {g, 0, 1}, {-g, 0, -1}, {-g, 0, 1}};
    for (Vec3& p : s.points)
        p = normalize(p);
    s.faces = {{0, 11, 5}, {0, 5, 1}, {0, 1, 7}, {0, 7, 10}, {0, 10, 11}, {1, 5, 9}, {5, 11, 4},
               {11, 10, 2}, {10, 7, 6}, {7, 1, 8}, {3, 9, 4}, {3, 4, 2}, {3, 2, 6}, {3, 6, 8},
               {3, 8, 9}, {4, 9, 5}, {2, 4, 11}, {6, 2, 10}, {8, 6, 7}, {9, 8, 1}};
    return s;
}

Sphere subdivide(const Sphere& in)
{
    Sphere out{in.points, {}};
    std::map<std::pair<int, int>, int> middles;
    auto middle = [&](int a, int b) {
        auto key = std::make_pair(std::min(a, b), std::max(a, b));
        auto it = middles.find(key);
        if (it != middles.end())
            return it->second;
        out.points.push_back(normalize(out.points[a] + out.points[b]));
        return middles[key] = int(out.points.size()) - 1;
    };
    for (const auto& f : in.faces) {
        int ab = middle(f[0], f[1]), bc = middle(f[1], f[2]), ca = middle(f[2], f[0]);
        out.faces.push_back({f[0], ab, ca});
        out.faces.push_back({f[1], bc, ab});
        out.faces.push_back({f[2], ca, bc});
        out.faces.push_back({ab, bc, ca});
    }
    return out;
}

const std::vector<Vec3>& bins()
{
    static const std::vector<Vec3> points = subdivide(subdivide(icosahedron())).points;
    return points;
}

}  // namespace

int normalBin(Vec3 direction)
{
    const std::vector<Vec3>& b = bins();
    int best = 0;
    for (int i = 1; i < int(b.size()); ++i)
        if (dot(b[i], direction) > dot(b[best], direction))
            best = i;
    return best;
}
