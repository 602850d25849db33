#include "building/BuildingStart.h"

#include "collision/RayCast.h"
#include "collision/Walker.h"
#include "data/FileSearch.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace {

// The places looked at for a floor are at most this many along each side of the plan.
constexpr int PLACES_ACROSS = 64;
// Of those, at most about this many are judged by their view, along this many level headings,
// each as far as this (15 m): a room is judged by what lies nearer, and a line of sight costs
// the more the farther it reaches.
constexpr std::size_t VIEW_PLACES = 32;
constexpr int VIEW_HEADINGS = 24;
constexpr float FARTHEST_SIGHT = 15.0f * 2.5f;

Vec3 horizontal(Vec3 v)
{
    const Vec3 flat(v.x, 0.0f, v.z);
    return flat.length() > 1e-6f ? flat.normalized() : Vec3(0.0f, 0.0f, -1.0f);
}

Vec3 middleOf(const Building& building)
{
    return (building.low + building.high) * 0.5f;
}

// Every place on the column through (x, z) where the visitor stands with room for its body,
// the highest first: each floor it would stand on, then what lies more than a step below it.
template <typename Visit>
void forEachStandingPlace(const Building& building, float x, float z, Visit visit)
{
    forEachFloorDown(building.faces, x, z, building.high.y + 1.0f, building.low.y - 1.0f, [&](float floor) {
        if (bodyFits(building.faces, Vec3(x, floor, z)))
            visit(Vec3(x, floor, z));
    });
}

// How far the eye sees along the level heading `angle` (radians), up to `reach`.
float sightAlong(const Building& building, Vec3 eye, float angle, float reach)
{
    const Vec3 to = eye + Vec3(std::cos(angle), 0.0f, std::sin(angle)) * reach;
    return std::min(1.0f, firstHit(building.faces, eye, to)) * reach;
}

// What the visitor sees standing at `feet`: how much of the level around its eye lies open
// (the sum of the squares of its clear lines of sight, which grows with the floor in view),
// and the heading of its longest clear line.
struct View {
    float open = 0.0f, longest = 0.0f, heading = 0.0f;
    int escaping = 0;  // lines of sight that meet nothing at all: out into the open
};

View viewFrom(const Building& building, Vec3 feet, float reach)
{
    View view;
    const Vec3 eye = feet + Vec3(0.0f, EYE_HEIGHT, 0.0f);
    for (int h = 0; h < VIEW_HEADINGS; ++h) {
        const float angle = 6.2831853f * float(h) / float(VIEW_HEADINGS);
        const float sight = sightAlong(building, eye, angle, reach);
        view.open += sight * sight;
        view.escaping += sight >= reach ? 1 : 0;
        if (sight > view.longest) {
            view.longest = sight;
            view.heading = angle;
        }
    }
    return view;
}

// Indoors: under a roof, with walls or windows round it but for a doorway or two.
bool indoors(const Building& building, Vec3 feet, const View& view, float reach)
{
    return view.escaping <= VIEW_HEADINGS / 8 &&
           firstHit(building.faces, feet + Vec3(0.0f, EYE_HEIGHT, 0.0f), feet + Vec3(0.0f, reach, 0.0f)) <= 1.0f;
}

// Of the places given, spread over them, the one that sees the most around it: indoors where
// there are such places, as the garden round a house sees more than any room.
Vec3 widestView(const Building& building, const std::vector<Vec3>& places, View& best)
{
    const float reach = std::min(FARTHEST_SIGHT, (building.high - building.low).length());
    const std::size_t stride = std::max<std::size_t>(1, places.size() / VIEW_PLACES);
    Vec3 chosen = places.front();
    best = View();
    bool inside = false;
    for (std::size_t i = 0; i < places.size(); i += stride) {
        const View view = viewFrom(building, places[i], reach);
        const bool here = indoors(building, places[i], view, reach);
        if ((view.open > best.open && here == inside) || (here && !inside)) {
            inside = here;
            best = view;
            chosen = places[i];
        }
    }
    return chosen;
}

// The clear places on the floor where most places to stand are; false when the body fits nowhere.
bool clearPlaceOnLargestFloor(const Building& building, std::vector<Vec3>& floor)
{
    const Vec3 size = building.high - building.low;
    std::map<long, std::vector<Vec3>> levels;  // by height, in steps of 0.2 m
    for (int i = 0; i < PLACES_ACROSS; ++i)
        for (int k = 0; k < PLACES_ACROSS; ++k) {
            const float x = building.low.x + size.x * (float(i) + 0.5f) / float(PLACES_ACROSS);
            const float z = building.low.z + size.z * (float(k) + 0.5f) / float(PLACES_ACROSS);
            forEachStandingPlace(building, x, z, [&](Vec3 at) { levels[std::lround(at.y * 2.0f)].push_back(at); });
        }
    const std::vector<Vec3>* largest = nullptr;
    for (const auto& level : levels)
        if (!largest || level.second.size() > largest->size())
            largest = &level.second;
    if (!largest)
        return false;
    floor = *largest;
    return true;
}

void startAtMark(Building& building, const StartMark& mark)
{
    BuildingStart& start = building.start;
    if (mark.kind == StartMark::Camera) {
        start.eye = mark.position;
        start.lookAt = mark.position + (mark.forward.length() > 0.0f ? mark.forward.normalized() : Vec3(0, 0, -1));
        start.reason = "the first camera of the scene, '" + mark.name + "'";
        return;
    }
    float floor;
    const bool found = standingFloor(building.faces, mark.position.x, mark.position.z, mark.position.y + 1.0f,
                                     building.low.y - 1.0f, floor);
    start.eye = Vec3(mark.position.x, (found ? floor : mark.position.y) + EYE_HEIGHT, mark.position.z);
    const Vec3 look = mark.forward.length() > 0.0f ? horizontal(mark.forward) : horizontal(middleOf(building) - start.eye);
    start.lookAt = start.eye + look;
    start.reason = "the object named '" + mark.name + "', standing on the floor under it" +
                   (found ? "" : " (none found: at its own height)");
}

}  // namespace

bool bodyBlocked(const Building& building, Vec3 eye)
{
    return !bodyFits(building.faces, eye - Vec3(0.0f, EYE_HEIGHT, 0.0f));
}

void chooseStart(Building& building, const StartMark& mark)
{
    if (mark.kind != StartMark::None) {
        startAtMark(building, mark);
        return;
    }
    BuildingStart& start = building.start;
    const Vec3 middle = middleOf(building);
    std::vector<Vec3> floor;
    if (!clearPlaceOnLargestFloor(building, floor)) {
        start.reason = "the building's middle (it has no floor with room to stand on)";
        start.eye = Vec3(middle.x, building.low.y + EYE_HEIGHT, middle.z);
        start.lookAt = start.eye + horizontal(middle - start.eye);
        return;
    }
    View view;
    start.eye = widestView(building, floor, view) + Vec3(0.0f, EYE_HEIGHT, 0.0f);
    start.lookAt = start.eye + Vec3(std::cos(view.heading), 0.0f, std::sin(view.heading));
    char metres[32];
    std::snprintf(metres, sizeof metres, "%.1f m", double(view.longest / 2.5f));
    start.reason = std::string("the clear place on the largest floor that sees the most around it, looking along its "
                               "longest clear line of sight (") + metres + ")";
}

bool isStartName(const std::string& name)
{
    return lowerCase(name) == "start";
}
