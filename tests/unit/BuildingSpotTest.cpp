// Where the character stands in a user's building: on the floor under the spot, not behind or
// inside a wall, and straight ahead when no floor offers a clear spot.
#include "building/BuildingFaces.h"
#include "building/BuildingSpot.h"

#include <gtest/gtest.h>

namespace {

void addQuad(Building& b, Vec3 corner, Vec3 u, Vec3 v)
{
    if (b.surfaces.empty())
        b.surfaces.resize(1);
    for (Vec3 p : {corner, corner + u, corner + u + v, corner, corner + u + v, corner + v})
        b.surfaces[0].positions.insert(b.surfaces[0].positions.end(), {p.x, p.y, p.z});
}

// Its faces indexed, as a building read from a file has them.
CharacterSpot spotIn(Building b)
{
    indexFaces(b);
    return characterSpot(b, 0.7f, 5.2f);
}

// The visitor's eye 4 above a floor at height 2, looking along -z.
Building raisedFloor()
{
    Building b;
    addQuad(b, Vec3(-20, 2, -20), Vec3(0, 0, 40), Vec3(40, 0, 0));
    b.start.eye = Vec3(0, 6, 0);
    b.start.lookAt = Vec3(0, 6, -10);
    return b;
}

TEST(BuildingSpotTest, StandsOnTheFloorFiveUnitsAhead)
{
    const CharacterSpot spot = spotIn(raisedFloor());
    EXPECT_TRUE(spot.clear);
    EXPECT_NEAR(spot.feet.x, 0.0f, 1e-5f);
    EXPECT_NEAR(spot.feet.y, 2.0f, 1e-5f);
    EXPECT_NEAR(spot.feet.z, -5.0f, 1e-5f);
}

TEST(BuildingSpotTest, StaysOnTheVisitorsSideOfAWallAhead)
{
    Building b = raisedFloor();
    addQuad(b, Vec3(-20, 2, -3), Vec3(40, 0, 0), Vec3(0, 8, 0));  // across the way, 3 ahead
    const CharacterSpot spot = spotIn(b);
    EXPECT_TRUE(spot.clear);
    EXPECT_GT(spot.feet.z, -3.0f + 0.7f) << "behind or in the wall";
    EXPECT_NEAR(spot.feet.y, 2.0f, 1e-5f);
}

TEST(BuildingSpotTest, NoFloorLeavesItStraightAheadAtTheStartsHeight)
{
    Building b = raisedFloor();
    b.surfaces[0].positions.clear();
    addQuad(b, Vec3(-20, 2, -30), Vec3(40, 0, 0), Vec3(0, 8, 0));
    const CharacterSpot spot = spotIn(b);
    EXPECT_FALSE(spot.clear);
    EXPECT_NEAR(spot.feet.y, 2.0f, 1e-5f);
    EXPECT_NEAR(spot.feet.z, -5.0f, 1e-5f);
}

}  // namespace
