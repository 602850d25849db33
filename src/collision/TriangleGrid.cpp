#include "collision/TriangleGrid.h"

#include <algorithm>
#include <limits>

namespace {

// Cells of about a third of the visitor's height: a query for the body touches a few of them.
constexpr float SMALLEST_CELL = 1.5f;
// The grid never holds more cells than this (8 MB of offsets), nor more listings than
// LISTINGS_PER_TRIANGLE per triangle beside one per cell: larger cells are taken instead.
constexpr double MOST_CELLS = 2.0 * 1024 * 1024;
// Nor more along one axis (614 m of the smallest cells): a query down a column of a building
// that a stray corner stretches far out visits every cell of it, and the start and the reach
// report ask tens of thousands of those.
constexpr double MOST_CELLS_ALONG = 1024.0;
constexpr double LISTINGS_PER_TRIANGLE = 8.0;

bool finite(const Vec3& v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

bool usable(const Vec3* c)
{
    return finite(c[0]) && finite(c[1]) && finite(c[2]);
}

Vec3 lowCorner(const Vec3* c)
{
    return Vec3(std::min({c[0].x, c[1].x, c[2].x}), std::min({c[0].y, c[1].y, c[2].y}), std::min({c[0].z, c[1].z, c[2].z}));
}

Vec3 highCorner(const Vec3* c)
{
    return Vec3(std::max({c[0].x, c[1].x, c[2].x}), std::max({c[0].y, c[1].y, c[2].y}), std::max({c[0].z, c[1].z, c[2].z}));
}

struct Bounds {
    Vec3 low, high;
    bool any = false;
};

Bounds boundsOf(const std::vector<Vec3>& corners, std::size_t triangles)
{
    Bounds b;
    for (std::size_t t = 0; t < triangles; ++t) {
        const Vec3* c = &corners[t * 3];
        if (!usable(c))
            continue;
        for (int i = 0; i < 3; ++i) {
            if (!b.any)
                b.low = b.high = c[i];
            b.any = true;
            b.low = Vec3(std::min(b.low.x, c[i].x), std::min(b.low.y, c[i].y), std::min(b.low.z, c[i].z));
            b.high = Vec3(std::max(b.high.x, c[i].x), std::max(b.high.y, c[i].y), std::max(b.high.z, c[i].z));
        }
    }
    return b;
}

double cellCount(const Bounds& b, float size, int cells[3])
{
    const float extent[3] = {b.high.x - b.low.x, b.high.y - b.low.y, b.high.z - b.low.z};
    double count = 1.0;
    for (int a = 0; a < 3; ++a) {
        const double n = std::max(1.0, std::ceil(static_cast<double>(extent[a]) / size + 1e-6));
        cells[a] = n < 1e9 ? static_cast<int>(n) : 1000000000;
        count *= n;
        if (n > MOST_CELLS_ALONG)
            count = MOST_CELLS + 1.0;
    }
    return count;
}

}  // namespace

CellRange TriangleGrid::cellsOf(Vec3 low, Vec3 high) const
{
    return {{cellAt(low.x, 0), cellAt(low.y, 1), cellAt(low.z, 2)},
            {cellAt(high.x, 0), cellAt(high.y, 1), cellAt(high.z, 2)}};
}

void TriangleGrid::build(std::vector<Vec3> soup)
{
    corners = std::move(soup);
    corners.resize(corners.size() / 3 * 3);
    cellStart.clear();
    cellTriangles.clear();
    const std::size_t triangles = triangleCount();
    const Bounds b = boundsOf(corners, triangles);
    // Listings are counted in 32 bits; a building that needs more is no building anyone walks.
    const double most = LISTINGS_PER_TRIANGLE * static_cast<double>(triangles) + MOST_CELLS;
    if (!b.any || most >= static_cast<double>(std::numeric_limits<std::uint32_t>::max()))
        return;
    origin = b.low;
    // Grow the cells until both their number and the listings of the triangles in them fit.
    for (cellSize = SMALLEST_CELL;; cellSize *= 1.25f) {
        const double count = cellCount(b, cellSize, cells);
        if (count > MOST_CELLS)
            continue;
        const double listings = countListings();
        if (listings <= LISTINGS_PER_TRIANGLE * static_cast<double>(triangles) + count || count <= 1.0) {
            fillCells(static_cast<std::size_t>(listings));
            return;
        }
    }
}

template <typename Action>
void TriangleGrid::forEachListing(Action action) const
{
    for (std::size_t t = 0; t < triangleCount(); ++t) {
        const Vec3* c = &corners[t * 3];
        if (!usable(c))
            continue;
        const CellRange r = cellsOf(lowCorner(c), highCorner(c));
        for (int z = r.low[2]; z <= r.high[2]; ++z)
            for (int y = r.low[1]; y <= r.high[1]; ++y)
                for (int x = r.low[0]; x <= r.high[0]; ++x)
                    action((static_cast<std::size_t>(z) * cells[1] + y) * cells[0] + x, static_cast<std::uint32_t>(t));
    }
}

double TriangleGrid::countListings() const
{
    double listings = 0.0;
    for (std::size_t t = 0; t < triangleCount(); ++t) {
        const Vec3* c = &corners[t * 3];
        if (!usable(c))
            continue;
        const CellRange r = cellsOf(lowCorner(c), highCorner(c));
        listings += static_cast<double>(r.high[0] - r.low[0] + 1) * (r.high[1] - r.low[1] + 1) * (r.high[2] - r.low[2] + 1);
    }
    return listings;
}

// Counts each cell's triangles, turns the counts into starts, then fills each cell in order.
void TriangleGrid::fillCells(std::size_t listings)
{
    const std::size_t cellTotal = static_cast<std::size_t>(cells[0]) * cells[1] * cells[2];
    cellStart.assign(cellTotal + 1, 0);
    cellTriangles.resize(listings);
    forEachListing([&](std::size_t cell, std::uint32_t) { ++cellStart[cell + 1]; });
    for (std::size_t c = 0; c < cellTotal; ++c)
        cellStart[c + 1] += cellStart[c];
    std::vector<std::uint32_t> next(cellStart.begin(), cellStart.end() - 1);
    forEachListing([&](std::size_t cell, std::uint32_t t) { cellTriangles[next[cell]++] = t; });
}
