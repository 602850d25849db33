#include "building/BuildingReach.h"

#include "collision/Walker.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <deque>
#include <map>
#include <unordered_map>

namespace {

constexpr float LEAST_CELL = 0.25f * 2.5f;  // the places' spacing, wider where a plan is too large
constexpr float MOST_CELLS = 30000.0f;      // places walked to: a few seconds
constexpr float LAYER = 0.1f * 2.5f;        // heights closer than this are one place
constexpr float STEP_SECONDS = 1.0f / 15.0f;  // a step to the next place, at the walking pace
constexpr float LEAST_STOREY_SHARE = 0.1f;  // of the largest floor: a storey's floor at least
constexpr float STOREY_AREA = 4.0f * 2.5f * 2.5f;  // and 4 m²

using Key = std::int64_t;

struct Cell {
    long x, z, y;
    Key key() const { return (Key(x & 0xFFFFF) << 40) | (Key(z & 0xFFFFF) << 20) | Key(y & 0xFFFFF); }
};

float cellSize = LEAST_CELL;  // set for the building walked

// How many places to stand on at `across` x `across` columns over the plan, at all heights.
std::size_t standingCount(const Building& building, int across)
{
    std::size_t count = 0;
    const Vec3 size = building.high - building.low;
    for (int i = 0; i < across; ++i)
        for (int k = 0; k < across; ++k) {
            const float x = building.low.x + size.x * (float(i) + 0.5f) / float(across);
            const float z = building.low.z + size.z * (float(k) + 0.5f) / float(across);
            forEachFloorDown(building.faces, x, z, building.high.y + 1.0f, building.low.y - 1.0f,
                             [&](float floor) { count += bodyFits(building.faces, Vec3(x, floor, z)) ? 1 : 0; });
        }
    return count;
}

// The places' spacing for this building: a quarter of a metre, or wider where its floors, on
// all storeys, would hold more than MOST_CELLS of those (a town), so that walking it takes seconds.
float cellFor(const Building& building)
{
    constexpr int SAMPLE = 64;
    const Vec3 size = building.high - building.low;
    const float columns = std::max(0.0f, size.x * size.z) / (LEAST_CELL * LEAST_CELL);
    const float places = float(standingCount(building, SAMPLE)) * columns / float(SAMPLE * SAMPLE);
    return LEAST_CELL * std::sqrt(std::max(1.0f, places / MOST_CELLS));
}

Cell cellOf(Vec3 feet)
{
    return {std::lround(std::floor(feet.x / cellSize)), std::lround(std::floor(feet.z / cellSize)), std::lround(feet.y / LAYER)};
}

// The visitor after walking towards `target` and coming to rest; false when it fell out. Off
// an edge it falls straight down onto the floor below, as it does standing still.
bool stepTowards(const Building& building, Visitor& visitor, Vec3 target)
{
    const Vec3 wish(target.x - visitor.feet.x, 0.0f, target.z - visitor.feet.z);
    walkVisitor(visitor, building.faces, wish, STEP_SECONDS);
    float floor;
    if (!visitor.onFloor && standingFloor(building.faces, visitor.feet.x, visitor.feet.z, visitor.feet.y,
                                          building.low.y - 1.0f, floor))
        visitor = placeVisitor(building.faces, Vec3(visitor.feet.x, floor, visitor.feet.z));
    return visitor.onFloor;
}

// Every place the visitor walks to from the start, by its cell.
std::unordered_map<Key, Vec3> flood(const Building& building, const std::function<void(std::size_t)>& progress)
{
    std::unordered_map<Key, Vec3> reached;
    std::deque<Visitor> open;
    const Visitor start = placeVisitor(building.faces, building.start.eye - Vec3(0.0f, EYE_HEIGHT, 0.0f));
    if (!start.onFloor)
        return reached;
    reached.emplace(cellOf(start.feet).key(), start.feet);
    open.push_back(start);
    auto told = std::chrono::steady_clock::now();
    while (!open.empty()) {
        const Visitor from = open.front();
        open.pop_front();
        const Cell here = cellOf(from.feet);
        // The four neighbours: a walk at a slant is steps along these, the walker sliding the same.
        for (const auto& d : {std::make_pair(1L, 0L), std::make_pair(-1L, 0L), std::make_pair(0L, 1L), std::make_pair(0L, -1L)}) {
            Visitor next = from;
            const Vec3 target((float(here.x + d.first) + 0.5f) * cellSize, 0.0f, (float(here.z + d.second) + 0.5f) * cellSize);
            if (stepTowards(building, next, target) && reached.emplace(cellOf(next.feet).key(), next.feet).second)
                open.push_back(next);
        }
        if (std::chrono::steady_clock::now() - told > std::chrono::seconds(1)) {
            told = std::chrono::steady_clock::now();
            progress(reached.size());
        }
    }
    return reached;
}

// Every place a visitor could stand, whether reached or not, by its cell.
std::unordered_map<Key, Vec3> standingPlaces(const Building& building)
{
    std::unordered_map<Key, Vec3> places;
    const long x0 = std::lround(std::floor(building.low.x / cellSize)), x1 = std::lround(std::floor(building.high.x / cellSize));
    const long z0 = std::lround(std::floor(building.low.z / cellSize)), z1 = std::lround(std::floor(building.high.z / cellSize));
    for (long x = x0; x <= x1; ++x)
        for (long z = z0; z <= z1; ++z) {
            const float px = (float(x) + 0.5f) * cellSize, pz = (float(z) + 0.5f) * cellSize;
            forEachFloorDown(building.faces, px, pz, building.high.y + 1.0f, building.low.y - 1.0f, [&](float floor) {
                if (bodyFits(building.faces, Vec3(px, floor, pz)))
                    places.emplace(cellOf(Vec3(px, floor, pz)).key(), Vec3(px, floor, pz));
            });
        }
    return places;
}

// The storeys' floor heights: heights (to a tenth of a metre) holding a large part of the floor.
std::vector<float> storeyHeights(const std::unordered_map<Key, Vec3>& places)
{
    std::map<long, std::size_t> byHeight;
    std::size_t largest = 0;
    for (const auto& place : places)
        largest = std::max(largest, ++byHeight[std::lround(place.second.y / LAYER)]);
    std::vector<float> heights;
    for (const auto& layer : byHeight)
        if (float(layer.second) >= LEAST_STOREY_SHARE * float(largest) && float(layer.second) * cellSize * cellSize >= STOREY_AREA &&
            (heights.empty() || float(layer.first) * LAYER - heights.back() > STEP_HEIGHT))
            heights.push_back(float(layer.first) * LAYER);
    return heights;
}

// The storey a place belongs to: the highest whose floor is at most a step above it.
std::size_t storeyOf(const std::vector<float>& heights, float y)
{
    std::size_t storey = 0;
    while (storey + 1 < heights.size() && heights[storey + 1] <= y + STEP_HEIGHT)
        ++storey;
    return storey;
}

// The middle of the largest piece of unreached places on a storey (neighbouring cells joined).
Vec3 largestPiece(const std::vector<Vec3>& cells)
{
    std::map<std::pair<long, long>, std::size_t> index;
    for (std::size_t i = 0; i < cells.size(); ++i)
        index[{cellOf(cells[i]).x, cellOf(cells[i]).z}] = i;
    std::vector<bool> seen(cells.size(), false);
    Vec3 best;
    std::size_t bestSize = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (seen[i])
            continue;
        std::vector<std::size_t> piece = {i};
        seen[i] = true;
        Vec3 sum;
        for (std::size_t k = 0; k < piece.size(); ++k) {
            const Cell c = cellOf(cells[piece[k]]);
            sum = sum + cells[piece[k]];
            for (const auto& d : {std::make_pair(1L, 0L), std::make_pair(-1L, 0L), std::make_pair(0L, 1L), std::make_pair(0L, -1L)}) {
                const auto at = index.find({c.x + d.first, c.z + d.second});
                if (at != index.end() && !seen[at->second]) {
                    seen[at->second] = true;
                    piece.push_back(at->second);
                }
            }
        }
        if (piece.size() > bestSize) {
            bestSize = piece.size();
            best = sum / float(piece.size());
        }
    }
    return best;
}

}  // namespace

BuildingReach walkEverywhere(const Building& building, const std::function<void(std::size_t)>& progress)
{
    const auto began = std::chrono::steady_clock::now();
    cellSize = cellFor(building);
    BuildingReach reach;
    reach.spacing = cellSize;
    const std::unordered_map<Key, Vec3> reached = flood(building, progress);
    std::unordered_map<Key, Vec3> places = standingPlaces(building);
    for (const auto& place : reached)
        places.emplace(place);
    const std::vector<float> heights = storeyHeights(places);
    reach.places = reached.size();
    if (heights.empty())
        return reach;
    reach.storeys.resize(heights.size());
    std::vector<std::vector<Vec3>> unreached(heights.size());
    for (std::size_t s = 0; s < heights.size(); ++s)
        reach.storeys[s].height = heights[s];
    for (const auto& place : places) {
        const std::size_t s = storeyOf(heights, place.second.y);
        if (reached.count(place.first))
            reach.storeys[s].reached += cellSize * cellSize;
        else
            unreached[s].push_back(place.second);
    }
    for (std::size_t s = 0; s < heights.size(); ++s) {
        reach.storeys[s].unreached = float(unreached[s].size()) * cellSize * cellSize;
        reach.storeys[s].unreachedAt = largestPiece(unreached[s]);
    }
    reach.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    return reach;
}
