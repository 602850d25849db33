#include "building/PolygonTriangulation.h"

#include <cmath>

namespace {

struct Point {
    double x, y;
};

double cross(Point o, Point a, Point b)
{
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// The face seen along its largest normal axis (Newell's normal), as 2-D points.
std::vector<Point> projected(const std::vector<Vec3>& corners)
{
    double nx = 0, ny = 0, nz = 0;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Vec3 a = corners[i], b = corners[(i + 1) % corners.size()];
        nx += double(a.y - b.y) * double(a.z + b.z);
        ny += double(a.z - b.z) * double(a.x + b.x);
        nz += double(a.x - b.x) * double(a.y + b.y);
    }
    std::vector<Point> points;
    for (const Vec3& c : corners) {
        if (std::fabs(nx) >= std::fabs(ny) && std::fabs(nx) >= std::fabs(nz))
            points.push_back({c.y, c.z});
        else if (std::fabs(ny) >= std::fabs(nz))
            points.push_back({c.z, c.x});
        else
            points.push_back({c.x, c.y});
    }
    return points;
}

bool insideTriangle(Point p, Point a, Point b, Point c, double orientation)
{
    return cross(a, b, p) * orientation >= 0 && cross(b, c, p) * orientation >= 0 && cross(c, a, p) * orientation >= 0;
}

}  // namespace

std::vector<std::array<std::size_t, 3>> triangulatePolygon(const std::vector<Vec3>& corners)
{
    std::vector<std::array<std::size_t, 3>> triangles;
    if (corners.size() < 3)
        return triangles;
    std::vector<std::size_t> left(corners.size());
    for (std::size_t i = 0; i < left.size(); ++i)
        left[i] = i;
    if (corners.size() > MAX_CLIPPED_CORNERS) {
        for (std::size_t i = 1; i + 1 < corners.size(); ++i)
            triangles.push_back({0, i, i + 1});
        return triangles;
    }
    const std::vector<Point> p = projected(corners);
    double area = 0;
    for (std::size_t i = 0; i < p.size(); ++i)
        area += cross({0, 0}, p[i], p[(i + 1) % p.size()]);
    const double orientation = area < 0 ? -1.0 : 1.0;
    while (left.size() > 3) {
        const std::size_t n = left.size();
        std::size_t ear = 0;  // the first corner when none is an ear (a degenerate face)
        for (std::size_t i = 0; i < n; ++i) {
            const std::size_t a = left[(i + n - 1) % n], b = left[i], c = left[(i + 1) % n];
            if (cross(p[a], p[b], p[c]) * orientation <= 0)
                continue;
            bool empty = true;
            for (std::size_t k = 0; k < n && empty; ++k) {
                const std::size_t q = left[k];
                if (q == a || q == b || q == c)
                    continue;
                empty = !insideTriangle(p[q], p[a], p[b], p[c], orientation);
            }
            if (empty) {
                ear = i;
                break;
            }
        }
        triangles.push_back({left[(ear + n - 1) % n], left[ear], left[(ear + 1) % n]});
        left.erase(left.begin() + long(ear));
    }
    triangles.push_back({left[0], left[1], left[2]});
    return triangles;
}
