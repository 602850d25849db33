// A uniform grid over a user's building, any soup of triangles: built once when the building is
// loaded, so that finding the triangles near the visitor costs as much in a city of a million
// triangles as in a small house.
#pragma once

#include "math/Vec3.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

struct CellRange {
    int low[3];
    int high[3];  // inclusive
};

struct TriangleGrid {
    std::vector<Vec3> corners;  // three per triangle, as given
    Vec3 origin;                // the low corner of cell (0, 0, 0)
    float cellSize = 1.0f;
    int cells[3] = {0, 0, 0};
    // Cell c holds cellTriangles[cellStart[c]] up to cellTriangles[cellStart[c + 1]], x fastest.
    std::vector<std::uint32_t> cellStart;
    std::vector<std::uint32_t> cellTriangles;

    // Takes the corners, three per triangle (a partial triangle at the end is dropped).
    // Triangles with a corner that is not a finite number are kept out of the cells.
    void build(std::vector<Vec3> soup);
    std::size_t triangleCount() const { return corners.size() / 3; }
    bool empty() const { return cellTriangles.empty(); }

    // The cells a box touches, clamped to the grid.
    CellRange cellsOf(Vec3 low, Vec3 high) const;

    // Calls visit(triangle) once for every triangle whose cells meet the box; which of them
    // really reach into it is the caller's test.
    template <typename Visit>
    void forEachNear(Vec3 low, Vec3 high, Visit visit) const;

    // The cell a coordinate falls in along one axis (0 x, 1 y, 2 z), clamped to the grid.
    int cellAt(float value, int axis) const
    {
        const float o = axis == 0 ? origin.x : axis == 1 ? origin.y : origin.z;
        const float c = std::floor((value - o) / cellSize);
        if (!(c > 0.0f))
            return 0;
        return c < static_cast<float>(cells[axis] - 1) ? static_cast<int>(c) : cells[axis] - 1;
    }

private:
    double countListings() const;
    void fillCells(std::size_t listings);
    template <typename Action>
    void forEachListing(Action action) const;
    void lowestCell(std::uint32_t triangle, int cell[3]) const
    {
        const Vec3* c = &corners[static_cast<std::size_t>(triangle) * 3];
        cell[0] = cellAt(std::fmin(c[0].x, std::fmin(c[1].x, c[2].x)), 0);
        cell[1] = cellAt(std::fmin(c[0].y, std::fmin(c[1].y, c[2].y)), 1);
        cell[2] = cellAt(std::fmin(c[0].z, std::fmin(c[1].z, c[2].z)), 2);
    }
};

template <typename Visit>
void TriangleGrid::forEachNear(Vec3 low, Vec3 high, Visit visit) const
{
    if (empty())
        return;
    const CellRange box = cellsOf(low, high);
    for (int z = box.low[2]; z <= box.high[2]; ++z)
        for (int y = box.low[1]; y <= box.high[1]; ++y)
            for (int x = box.low[0]; x <= box.high[0]; ++x) {
                const std::size_t cell = (static_cast<std::size_t>(z) * cells[1] + y) * cells[0] + x;
                for (std::uint32_t i = cellStart[cell]; i < cellStart[cell + 1]; ++i) {
                    const std::uint32_t t = cellTriangles[i];
                    // A triangle listed in several cells of the box is visited from the first
                    // of them only: the lowest cell that both it and the box touch.
                    int first[3];
                    lowestCell(t, first);
                    if (x == (first[0] > box.low[0] ? first[0] : box.low[0]) &&
                        y == (first[1] > box.low[1] ? first[1] : box.low[1]) &&
                        z == (first[2] > box.low[2] ? first[2] : box.low[2]))
                        visit(t);
                }
            }
}
