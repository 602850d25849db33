#include "building/BuildingSpot.h"

#include "collision/RayCast.h"
#include "collision/Walker.h"

namespace {

constexpr float LOWEST_BELOW_START = 2.5f;  // a floor up to 1 m below the start's still counts
constexpr float CHEST = 2.5f;
const float DISTANCES[] = {5.0f, 4.0f, 3.0f, 2.0f};
const float ANGLES[] = {0.0f, 25.0f, -25.0f, 50.0f, -50.0f};

// The body from just above a step to its height, and the visitor's view of its chest.
bool clearAt(const TriangleGrid& faces, Vec3 feet, Vec3 eye, float radius, float height)
{
    const BodyPart body = {STEP_HEIGHT + BAND_GAP, height, radius};
    return partsFit(faces, feet, &body, 1) && firstHit(faces, eye, feet + Vec3(0.0f, CHEST, 0.0f)) > 1.0f;
}

Vec3 aheadOf(const BuildingStart& start)
{
    Vec3 ahead(start.lookAt.x - start.eye.x, 0.0f, start.lookAt.z - start.eye.z);
    const float length = ahead.length();
    return length > 1e-6f && std::isfinite(length) ? ahead / length : Vec3(0.0f, 0.0f, -1.0f);
}

}  // namespace

CharacterSpot characterSpot(const Building& building, float radius, float height)
{
    const Vec3 eye = building.start.eye;
    const Vec3 ahead = aheadOf(building.start);
    const float lowest = eye.y - EYE_HEIGHT - LOWEST_BELOW_START;
    CharacterSpot spot;
    spot.feet = eye + ahead * DISTANCES[0] - Vec3(0.0f, EYE_HEIGHT, 0.0f);
    bool floorSeen = false;
    for (float distance : DISTANCES)
        for (float degrees : ANGLES) {
            const float a = degrees * 0.01745329f;
            const Vec3 way(ahead.x * std::cos(a) - ahead.z * std::sin(a), 0.0f, ahead.x * std::sin(a) + ahead.z * std::cos(a));
            Vec3 feet = eye + way * distance;
            if (!standingFloor(building.faces, feet.x, feet.z, eye.y, lowest, feet.y))
                continue;
            if (clearAt(building.faces, feet, eye, radius, height)) {
                spot.feet = feet;
                spot.clear = true;
                return spot;
            }
            if (!floorSeen)
                spot.feet = feet;
            floorSeen = true;
        }
    return spot;
}
