// Walking: the visitor's collision per frame in a generated building of about a million
// triangles (and in a small one, to show the cost does not grow with the building), beside one
// 60 Hz frame; the time to index the building's faces once, at load; and the checker's walk
// to every room of it.
#include "AllocationCounter.h"
#include "Bench.h"

#include "building/BuildingReach.h"
#include "collision/Walker.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr double FRAME_US = 1e6 / 60.0;
constexpr float ROOM = 10.0f;    // a room's side, 4 m
constexpr float STOREY = 7.5f;   // 3 m from floor to floor

void quad(std::vector<Vec3>& out, Vec3 a, Vec3 b, Vec3 c, Vec3 d)
{
    out.insert(out.end(), {a, b, c, a, c, d});
}

// A room as modellers' exports have it: floor and ceiling in 1-unit tiles, a west and a south
// wall of 1-unit tiles with a doorway in the middle, and four steps in the far corner.
void room(std::vector<Vec3>& out, float x0, float y0, float z0)
{
    for (int i = 0; i < 10; ++i)
        for (int k = 0; k < 10; ++k) {
            const float x = x0 + static_cast<float>(i), z = z0 + static_cast<float>(k);
            quad(out, {x, y0, z}, {x, y0, z + 1}, {x + 1, y0, z + 1}, {x + 1, y0, z});
            quad(out, {x, y0 + 7, z}, {x + 1, y0 + 7, z}, {x + 1, y0 + 7, z + 1}, {x, y0 + 7, z + 1});
        }
    for (int i = 0; i < 10; ++i)
        for (int j = 0; j < 7; ++j) {
            if (i >= 3 && i <= 6 && j <= 5)
                continue;  // the doorway, 1.6 m wide and 2.4 m high
            const float a = static_cast<float>(i), y = y0 + static_cast<float>(j);
            quad(out, {x0, y, z0 + a}, {x0, y + 1, z0 + a}, {x0, y + 1, z0 + a + 1}, {x0, y, z0 + a + 1});
            quad(out, {x0 + a, y, z0}, {x0 + a + 1, y, z0}, {x0 + a + 1, y + 1, z0}, {x0 + a, y + 1, z0});
        }
    for (int s = 0; s < 4; ++s) {
        const float x = x0 + 7 + 0.5f * static_cast<float>(s), h = y0 + 0.4375f * static_cast<float>(s + 1);
        quad(out, {x, h - 0.4375f, z0 + 7}, {x, h, z0 + 7}, {x, h, z0 + 9}, {x, h - 0.4375f, z0 + 9});
        quad(out, {x, h, z0 + 7}, {x + 0.5f, h, z0 + 7}, {x + 0.5f, h, z0 + 9}, {x, h, z0 + 9});
    }
}

std::vector<Vec3> building(int across, int deep, int storeys)
{
    std::vector<Vec3> out;
    out.reserve(static_cast<std::size_t>(across) * deep * storeys * 600 * 3);
    for (int s = 0; s < storeys; ++s)
        for (int i = 0; i < across; ++i)
            for (int k = 0; k < deep; ++k)
                room(out, static_cast<float>(i) * ROOM, static_cast<float>(s) * STOREY, static_cast<float>(k) * ROOM);
    return out;
}

struct WalkCost {
    double meanUs = 0, slowUs = 0;  // the mean frame and the 99th percentile
    unsigned long long allocations = 0;
    int frames = 0;
    bool arrived = false;  // the visitor came through every doorway to the far room
};

// Through every doorway of the first row of rooms, then along the last room's column, at our
// walking pace (9 units a second) in frames of the given length.
WalkCost walkThrough(const TriangleGrid& grid, int across, int deep, float seconds)
{
    Visitor visitor = placeVisitor(grid, Vec3(5, 0, 5));
    const Vec3 legs[2] = {Vec3(1, 0, 0), Vec3(0, 0, 1)};
    const float lengths[2] = {static_cast<float>(across - 1) * ROOM, static_cast<float>(deep - 1) * ROOM};
    WalkCost cost;
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>((lengths[0] + lengths[1]) / (9.0f * seconds)) + 2);
    Vec3 far(5, 0, 5);
    const unsigned long long before = allocationsOnThisThread().all;
    for (int leg = 0; leg < 2; ++leg) {
        // Each leg ends in the middle of a room: frames of at most the walking pace.
        const int frames = static_cast<int>(std::ceil(lengths[leg] / (9.0f * seconds)));
        far = far + legs[leg] * lengths[leg];
        for (int f = 0; f < frames; ++f) {
            const long long start = monotonicNanoseconds();
            walkVisitor(visitor, grid, legs[leg] * (lengths[leg] / static_cast<float>(frames)), seconds);
            times.push_back(secondsSince(start) * 1e6);
        }
    }
    cost.allocations = allocationsOnThisThread().all - before;
    cost.frames = static_cast<int>(times.size());
    cost.meanUs = mean(times);
    cost.slowUs = percentile99(times);
    cost.arrived = (visitor.feet - far).length() < 0.5f;
    return cost;
}

// The same walk five times (once in short mode); the run with the median mean is reported.
WalkCost medianWalk(const TriangleGrid& grid, int across, int deep, float seconds, bool shortMode)
{
    std::vector<WalkCost> runs;
    for (int run = 0; run < (shortMode ? 1 : 5); ++run)
        runs.push_back(walkThrough(grid, across, deep, seconds));
    std::sort(runs.begin(), runs.end(), [](const WalkCost& a, const WalkCost& b) { return a.meanUs < b.meanUs; });
    return runs[runs.size() / 2];
}

Row walkRow(const std::string& what, std::size_t triangles, const WalkCost& cost, const char* frame)
{
    char measure[160], note[160];
    std::snprintf(measure, sizeof measure, "collision per %s frame walking, %s (%zu triangles)", frame, what.c_str(),
                  triangles);
    std::snprintf(note, sizeof note, "mean of %d frames (median of runs), 99th percentile %.1f µs, %.4f of a 60 Hz frame, %llu allocations%s",
                  cost.frames, cost.slowUs, cost.meanUs / FRAME_US, cost.allocations,
                  cost.arrived ? "" : ", HELD BACK before the far room");
    return Row{"Walking", measure, "-", cost.meanUs, FRAME_US, "µs", note, "one 60 Hz frame", 0.1, false};
}

// halvane-check's reach report: every room of every storey walked from the first one.
Row reachRow(TriangleGrid&& grid, int across, int deep, const std::string& what)
{
    Building walked;
    walked.faces = std::move(grid);
    walked.high = Vec3(static_cast<float>(across) * ROOM, 4 * STOREY, static_cast<float>(deep) * ROOM);
    walked.start.eye = Vec3(5, EYE_HEIGHT, 5);
    const BuildingReach reach = walkEverywhere(walked, [](std::size_t) {});
    char note[160];
    std::snprintf(note, sizeof note, "%zu places %.2f m apart, %zu storeys", reach.places,
                  static_cast<double>(reach.spacing / 2.5f), reach.storeys.size());
    return Row{"Walking", "the reach report (halvane-check) on the generated building of " + what, "-", reach.seconds,
               30.0, "s", note, "30 s", 0, false};
}

}  // namespace

std::vector<Row> measureWalking(const BenchOptions& options)
{
    std::fprintf(stderr, "walking\n");
    // 21 x 20 rooms on 4 storeys: 1 008 000 triangles (a tenth of it in short mode).
    const int across = 21, deep = options.shortMode ? 2 : 20;
    std::vector<Row> rows;
    TriangleGrid small;
    small.build(building(4, 4, 1));
    rows.push_back(walkRow("a small building of 16 rooms", small.triangleCount(),
                           medianWalk(small, 4, 4, 1.0f / 60.0f, options.shortMode), "60 Hz"));
    std::vector<Vec3> corners = building(across, deep, 4);
    const std::size_t triangles = corners.size() / 3;
    std::vector<double> buildMs;
    TriangleGrid large;
    for (int run = 0; run < (options.shortMode ? 1 : 3); ++run) {
        std::vector<Vec3> copy = corners;
        const long long start = monotonicNanoseconds();
        large.build(std::move(copy));
        buildMs.push_back(secondsSince(start) * 1000);
    }
    const std::string what = std::to_string(across * deep * 4) + " rooms on 4 storeys";
    rows.push_back(walkRow("generated building of " + what, triangles, medianWalk(large, across, deep, 1.0f / 60.0f, options.shortMode),
                           "60 Hz"));
    rows.push_back(walkRow("generated building of " + what, triangles, medianWalk(large, across, deep, 0.25f, options.shortMode),
                           "quarter-second"));
    char measure[160];
    std::snprintf(measure, sizeof measure, "index of the generated building's faces, built once at load (%zu triangles)",
                  triangles);
    char note[160];
    std::snprintf(note, sizeof note, "%zu runs; the grid holds %.1f MB beside the %.1f MB of corners", buildMs.size(),
                  static_cast<double>((large.cellStart.size() + large.cellTriangles.size()) * sizeof(std::uint32_t)) / 1e6,
                  static_cast<double>(large.corners.size() * sizeof(Vec3)) / 1e6);
    rows.push_back(Row{"Walking", measure, "-", median(buildMs), 1000.0, "ms", note, "the whole load's budget of 1 s",
                       0, false});
    rows.push_back(reachRow(std::move(large), across, deep, what));
    return rows;
}
