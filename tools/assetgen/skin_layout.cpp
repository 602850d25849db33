// Skyline packing of the skin islands: tallest first, each where it sits highest.
#include "skin_layout.h"

#include <algorithm>
#include <numeric>

namespace {

// The lowest free row under columns [x, x + w) of the skyline.
int restingRow(const std::vector<int>& skyline, int x, int w)
{
    return *std::max_element(skyline.begin() + x, skyline.begin() + x + w);
}

}  // namespace

bool packIslands(std::vector<PartShape>& parts)
{
    std::vector<std::size_t> order(parts.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return parts[a].island.h > parts[b].island.h; });
    std::vector<int> skyline(kSkinSize, kIslandGutter);
    for (std::size_t i : order) {
        Island& is = parts[i].island;
        int span = is.w + kIslandGutter;
        int bestX = -1, bestY = kSkinSize;
        for (int x = kIslandGutter; x + span <= kSkinSize; x += 2) {
            int y = restingRow(skyline, x, span);
            if (y < bestY) {
                bestX = x;
                bestY = y;
            }
        }
        if (bestX < 0 || bestY + is.h + kIslandGutter > kSkinSize)
            return false;
        is.x = bestX;
        is.y = bestY;
        std::fill(skyline.begin() + bestX, skyline.begin() + bestX + span,
                  bestY + is.h + kIslandGutter);
    }
    return true;
}
