#include "building/BuildingStart.h"

#include "collision/Walker.h"
#include "data/FileSearch.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// The places looked at for a floor are at most this many along each side of the plan.
constexpr int PLACES_ACROSS = 64;

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
    float top = building.high.y + 1.0f;
    float floor;
    while (standingFloor(building.faces, x, z, top, building.low.y - 1.0f, floor)) {
        if (bodyFits(building.faces, Vec3(x, floor, z)))
            visit(Vec3(x, floor, z));
        top = floor - STEP_HEIGHT - 1e-3f;
    }
}

// A clear place on the floor where most places to stand are, nearest the building's middle;
// false when the body fits nowhere.
bool clearPlaceOnLargestFloor(const Building& building, Vec3& feet)
{
    const Vec3 middle = middleOf(building), size = building.high - building.low;
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
    const auto plan = [&](Vec3 p) { return std::hypot(p.x - middle.x, p.z - middle.z); };
    feet = *std::min_element(largest->begin(), largest->end(), [&](Vec3 a, Vec3 b) { return plan(a) < plan(b); });
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
    Vec3 feet(middle.x, building.low.y, middle.z);
    if (clearPlaceOnLargestFloor(building, feet))
        start.reason = "a clear place on the largest floor, near the building's middle";
    else
        start.reason = "the building's middle (it has no floor with room to stand on)";
    start.eye = feet + Vec3(0.0f, EYE_HEIGHT, 0.0f);
    start.lookAt = start.eye + horizontal(middle - start.eye);
}

bool isStartName(const std::string& name)
{
    return lowerCase(name) == "start";
}
