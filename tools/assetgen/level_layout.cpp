// The floor plan: square chambers of 20 x 20 centred on the rooms overlap
// their neighbours by 8 x 8; a diagonal partition through each overlap
// separates them. Its doorway sits alternately left and right of the room
// row, so no straight line passes more than two doorways.
#include "level_layout.h"

#include <cmath>

namespace {

constexpr double kHalfSlab = 0.75;   // half thickness of a partition, measured in x + z
constexpr double kDoorTop = 8.0;
constexpr double kDoorNear = 2.25;   // doorway span in |x - z|, i.e. away from the room row x = z
constexpr double kDoorFar = 6.25;
constexpr double kNicheTop = 6.0;
constexpr double kNicheDepth = 2.0;
constexpr double kNicheHalfWidth = 2.0;
const double kRoot2 = std::sqrt(2.0);

// A gap in a side, `from` and `to` measured from the side's start. With a
// depth the chamber also owns the cell behind the gap: a niche, or, when
// its far side is open, a doorway through the partition.
struct Opening {
    double from, to, top, depth;
    bool farOpen;
};

struct Side {
    Point a, b;
    std::vector<Opening> openings;
};

struct Chamber {
    int index;  // 0 is the hall at the start
    double x0, x1, z0, z1;
    bool front, back;  // cut towards the next / previous chamber
};

// x + z along the middle of the partition between chamber k and k + 1.
double partitionSum(int k) { return -24.0 * k - 4.0; }

// The doorway of partition k lies on the +x side of the room row for even k.
void doorSpan(int k, double& lo, double& hi)
{
    lo = k % 2 == 0 ? kDoorNear : -kDoorFar;
    hi = k % 2 == 0 ? kDoorFar : -kDoorNear;
}

Point along(const Side& s, double d)
{
    double len = std::hypot(s.b.x - s.a.x, s.b.z - s.a.z);
    return {s.a.x + (s.b.x - s.a.x) * d / len, s.a.z + (s.b.z - s.a.z) * d / len};
}

void addBehind(Layout& layout, const Side& s, const Opening& o)
{
    Point p = along(s, o.from), q = along(s, o.to);
    double len = std::hypot(s.b.x - s.a.x, s.b.z - s.a.z);
    double ox = (s.b.z - s.a.z) / len * o.depth;
    double oz = -(s.b.x - s.a.x) / len * o.depth;
    Cell c;
    c.corners = {q, p, {p.x + ox, p.z + oz}, {q.x + ox, q.z + oz}};
    c.edges = {{true, kCeilingHeight}, {false, 0.0}, {o.farOpen, kCeilingHeight}, {false, 0.0}};
    c.height = o.top;
    layout.cells.push_back(c);
}

void addChamberCell(Layout& layout, const std::vector<Side>& sides)
{
    Cell cell;
    cell.height = kCeilingHeight;
    for (const Side& s : sides) {
        cell.corners.push_back(s.a);
        cell.edges.push_back({false, 0.0});
        for (const Opening& o : s.openings) {
            cell.corners.push_back(along(s, o.from));
            cell.edges.push_back({true, o.top});
            cell.corners.push_back(along(s, o.to));
            cell.edges.push_back({false, 0.0});
            if (o.depth > 0.0)
                addBehind(layout, s, o);
        }
    }
    layout.cells.push_back(cell);
}

// A niche centred on the even coordinate nearest to the middle of a wall.
void addNiche(Side& s)
{
    bool alongX = s.a.z == s.b.z;
    double a = alongX ? s.a.x : s.a.z;
    double b = alongX ? s.b.x : s.b.z;
    double centre = 2.0 * std::round((a + b) / 4.0);
    double d = std::fabs(centre - a);
    s.openings.push_back({d - kNicheHalfWidth, d + kNicheHalfWidth, kNicheTop, kNicheDepth, false});
}

void addFrontDoor(Side& s, int k)
{
    double lo, hi;
    doorSpan(k, lo, hi);
    double wa = s.a.x - s.a.z;
    s.openings.push_back({(lo - wa) / kRoot2, (hi - wa) / kRoot2, kDoorTop, kHalfSlab * kRoot2, true});
}

void addBackDoor(Side& s, int k)
{
    double lo, hi;
    doorSpan(k - 1, lo, hi);
    double wa = s.a.x - s.a.z;
    s.openings.push_back({(wa - hi) / kRoot2, (wa - lo) / kRoot2, kDoorTop, 0.0, false});
}

std::vector<Side> chamberSides(const Chamber& c)
{
    double cf = partitionSum(c.index) + kHalfSlab;
    double cb = partitionSum(c.index - 1) - kHalfSlab;
    Point sw = c.front ? Point{cf - c.z0, c.z0} : Point{c.x0, c.z0};
    Point ws = c.front ? Point{c.x0, cf - c.x0} : Point{c.x0, c.z0};
    Point en = c.back ? Point{c.x1, cb - c.x1} : Point{c.x1, c.z1};
    Point ne = c.back ? Point{cb - c.z1, c.z1} : Point{c.x1, c.z1};
    Side south{sw, {c.x1, c.z0}, {}}, east{{c.x1, c.z0}, en, {}};
    Side north{ne, {c.x0, c.z1}, {}}, west{{c.x0, c.z1}, ws, {}};
    for (Side* s : {&south, &east, &north, &west})
        addNiche(*s);
    std::vector<Side> sides;
    if (c.front) {
        sides.push_back({ws, sw, {}});
        addFrontDoor(sides.back(), c.index);
    }
    sides.push_back(south);
    sides.push_back(east);
    if (c.back) {
        sides.push_back({en, ne, {}});
        addBackDoor(sides.back(), c.index);
    }
    sides.push_back(north);
    sides.push_back(west);
    return sides;
}

// The hall at the start and the end hall are 28 x 28, the chambers between 20 x 20.
Chamber chamber(int k)
{
    double lo = -kRoomStep * k - (k == kRoomCount ? 14.0 : 6.0);
    double hi = -kRoomStep * k + 14.0 + (k == 0 ? 8.0 : 0.0);
    return {k, lo, hi, lo, hi, k < kRoomCount, k > 0};
}

void addPillars(Layout& layout)
{
    // Four pillars frame the character in the middle of the hall, just out
    // of sight of the start so the first view opens onto the first doorway.
    for (double x : {5.0, 11.0})
        for (double z : {5.0, 11.0})
            layout.pillars.push_back({{x, z}, 1.0});
    // A pillar in each free corner of a chamber, to walk round between the niches.
    for (int k = 1; k < kRoomCount; ++k) {
        double c = -kRoomStep * k;
        layout.pillars.push_back({{c + 11.0, c - 3.0}, 1.0});
        layout.pillars.push_back({{c - 3.0, c + 11.0}, 1.0});
    }
    // Three pillars stand round the last room at the far end of the end hall.
    double c = -kRoomStep * kRoomCount;
    for (Point p : {Point{c - 5.0, c + 5.0}, Point{c + 5.0, c - 5.0}, Point{c - 5.0, c - 5.0}})
        layout.pillars.push_back({p, 1.0});
}

}  // namespace

Layout buildLayout()
{
    Layout layout;
    for (int k = 0; k <= kRoomCount; ++k)
        addChamberCell(layout, chamberSides(chamber(k)));
    addPillars(layout);
    return layout;
}
