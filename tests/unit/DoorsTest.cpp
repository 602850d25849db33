// Doors in a user's building: told by the word for door in a modeller's language, and a door's
// leaves told from its frame, its glass and its handle by their shapes.
#include "building/DoorMotion.h"
#include "building/DoorNames.h"
#include "building/DoorShape.h"

#include <array>
#include <gtest/gtest.h>

namespace {

TEST(DoorNames, TheWordForDoorStartingOrEndingAWordInAnyLetterCase)
{
    const struct {
        const char* name;
        bool door;
    } rows[] = {
        {"Door", true},          {"IfcDoor_Haustuer_2jTRq", true}, {"Haustür", true},       {"HAUSTÜR", true},
        {"innentuer-3", true},   {"porte-fenêtre", true},          {"Puerta principal", true}, {"porta_1", true},
        {"Voordeur", true},      {"dør", true},                    {"Dörr 2", true},        {"ulko-ovi", true},
        {"drzwi", true},         {"DVEŘE", true},                  {"ДВЕРЬ", true},         {"木门", true},
        {"門扉", true},          {"ドア", true},                   {"현관문", true},        {"DoorLeaf", true},
        {"Outdoor lamp", false}, {"Portal frame", false},          {"important", false},    {"Window", false},
        {"Scooter", false},      {"", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(isDoorName(row.name), row.door) << row.name;
    EXPECT_TRUE(isEntranceName("IfcDoor_Haustuer"));
    EXPECT_TRUE(isEntranceName("Front door"));
    EXPECT_FALSE(isEntranceName("IfcDoor_Innentuer-1"));
}

// Boxes in metres, each of its own material (a surface of its own), as a door's parts come.
struct Parts {
    std::vector<DoorTriangle> triangles;
    void box(float x0, float y0, float z0, float x1, float y1, float z1, std::uint32_t material)
    {
        const Vec3 c[8] = {{x0, y0, z0}, {x1, y0, z0}, {x1, y1, z0}, {x0, y1, z0}, {x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}};
        const int quads[6][4] = {{0, 3, 2, 1}, {4, 5, 6, 7}, {0, 1, 5, 4}, {3, 7, 6, 2}, {0, 4, 7, 3}, {1, 2, 6, 5}};
        for (const auto& q : quads)
            for (const std::array<int, 3>& t : {std::array<int, 3>{q[0], q[1], q[2]}, std::array<int, 3>{q[0], q[2], q[3]}}) {
                DoorTriangle triangle{{c[t[0]] * 2.5f, c[t[1]] * 2.5f, c[t[2]] * 2.5f}, material, 0};
                triangles.push_back(triangle);
            }
    }
    // A frame round an opening 0.9 m wide and 2 m high in the plane z = 0, 0.1 m deep.
    void frame()
    {
        box(-0.05f, 0.0f, -0.05f, 0.0f, 2.05f, 0.05f, 0);
        box(0.9f, 0.0f, -0.05f, 0.95f, 2.05f, 0.05f, 0);
        box(0.0f, 2.0f, -0.05f, 0.9f, 2.05f, 0.05f, 0);
    }
};

TEST(DoorShape, TheLeafSwingsOnTheEdgeAwayFromItsHandleAndTheFrameAndThresholdStay)
{
    Parts door;
    door.frame();
    door.box(0.0f, 0.01f, -0.02f, 0.9f, 1.99f, 0.02f, 1);   // the leaf, touching the frame
    door.box(0.78f, 1.0f, -0.08f, 0.84f, 1.05f, 0.08f, 2);  // its handle, through it near x = 0.8
    door.box(0.0f, 0.0f, -0.05f, 0.9f, 0.01f, 0.05f, 3);    // the threshold
    const DoorFound found = findLeaves(door.triangles);
    ASSERT_EQ(found.leaves.size(), 1u);
    EXPECT_TRUE(found.framed);
    const LeafFound& leaf = found.leaves[0];
    EXPECT_FALSE(leaf.slides);
    EXPECT_EQ(leaf.triangles.size(), 24u) << "the leaf and its handle";
    EXPECT_NEAR(leaf.width, 0.9f * 2.5f, 1e-4f);
    EXPECT_NEAR(leaf.height, 1.98f * 2.5f, 1e-4f);
    EXPECT_NEAR(leaf.thickness, 0.04f * 2.5f, 1e-4f);
    EXPECT_NEAR(leaf.hinge.x, 0.0f, 1e-4f) << "hinges opposite the handle";
    EXPECT_NEAR(leaf.across.x * leaf.across.x, 1.0f, 1e-4f);
    EXPECT_GT(leaf.across.x, 0.0f);
}

TEST(DoorShape, ALeafWithoutAHandleSlidesAndASashKeepsItsGlass)
{
    Parts door;
    door.frame();
    door.box(0.0f, 0.0f, -0.02f, 0.9f, 2.0f, 0.02f, 1);
    const DoorFound plain = findLeaves(door.triangles);
    ASSERT_EQ(plain.leaves.size(), 1u);
    EXPECT_TRUE(plain.leaves[0].slides);
    Parts sash;
    sash.frame();
    sash.box(0.0f, 0.0f, -0.02f, 0.1f, 2.0f, 0.02f, 1);  // a sash of four bars ...
    sash.box(0.8f, 0.0f, -0.02f, 0.9f, 2.0f, 0.02f, 1);
    sash.box(0.1f, 0.0f, -0.02f, 0.8f, 0.1f, 0.02f, 1);
    sash.box(0.1f, 1.9f, -0.02f, 0.8f, 2.0f, 0.02f, 1);
    sash.box(0.1f, 0.1f, -0.005f, 0.8f, 1.9f, 0.005f, 2);  // ... and its glass
    const DoorFound glazed = findLeaves(sash.triangles);
    ASSERT_EQ(glazed.leaves.size(), 1u);
    EXPECT_EQ(glazed.leaves[0].triangles.size(), 5u * 12u);
    EXPECT_NEAR(glazed.leaves[0].width, 0.9f * 2.5f, 1e-4f);
}

}  // namespace

namespace {

// A door 1 m wide in the plane z = 0 with one hinged leaf, its hinge at x = -0.5 m.
BuildingDoor hingedDoor()
{
    BuildingDoor door;
    door.middle = Vec3(0.0f, 0.0f, 0.0f);
    door.across = Vec3(1.0f, 0.0f, 0.0f);
    door.normal = Vec3(0.0f, 0.0f, 1.0f);
    door.width = 2.5f;
    door.height = 5.0f;
    DoorLeaf leaf;
    leaf.hinge = Vec3(-1.25f, 0.0f, 0.0f);
    leaf.across = Vec3(1.0f, 0.0f, 0.0f);
    leaf.width = 2.5f;
    door.leaves.push_back(leaf);
    return door;
}

TEST(DoorMotion, WalkingIntoADoorSwingsItAwayInHalfASecondAndItClosesOnceTheVisitorIsClear)
{
    const BuildingDoor door = hingedDoor();
    const Vec3 walkingIn(0.0f, 0.0f, -0.15f), walkingPast(0.15f, 0.0f, 0.0f);
    EXPECT_TRUE(wantsOpen(door, Vec3(0.0f, 0.0f, 4.5f), walkingIn)) << "walking at it from 1.8 m";
    EXPECT_FALSE(wantsOpen(door, Vec3(0.0f, 0.0f, 4.5f), walkingIn * -1.0f)) << "walking away";
    EXPECT_FALSE(wantsOpen(door, Vec3(-5.0f, 0.0f, 4.5f), walkingPast)) << "walking past";
    EXPECT_FALSE(wantsOpen(door, Vec3(-5.0f, 0.0f, 4.5f), Vec3(0.02f, 0.0f, -0.15f))) << "walking at the wall beside it";
    EXPECT_FALSE(wantsOpen(door, Vec3(0.0f, 0.0f, 4.5f), Vec3())) << "standing 1.8 m in front";
    EXPECT_FALSE(wantsOpen(door, Vec3(0.0f, 7.5f, 1.0f), Vec3())) << "on the floor above";
    EXPECT_TRUE(wantsOpen(door, Vec3(0.0f, 0.0f, -1.0f), Vec3())) << "where the leaf sweeps";

    std::vector<BuildingDoor> doors = {door};
    for (int frame = 0; frame < 15; ++frame)
        moveDoors(doors, Vec3(0.0f, 0.0f, 3.0f), walkingIn, 1.0f / 60.0f);
    EXPECT_NEAR(doors[0].open, 0.5f, 1e-4f) << "half open after a quarter of a second";
    EXPECT_EQ(doors[0].side, -1.0f) << "away from the visitor";
    EXPECT_NEAR(leafPose(doors[0], doors[0].leaves[0]).degrees, 45.0f, 1e-3f)
        << "a turn about +Y carrying the free edge (+x) towards -z";
    for (int frame = 0; frame < 60; ++frame)
        moveDoors(doors, Vec3(0.0f, 0.0f, -1.0f), Vec3(), 1.0f / 60.0f);
    EXPECT_EQ(doors[0].open, 1.0f) << "open while the visitor stands where it swings";
    for (int frame = 0; frame < 30; ++frame)
        moveDoors(doors, Vec3(0.0f, 0.0f, -6.0f), Vec3(), 1.0f / 60.0f);
    EXPECT_EQ(doors[0].open, 0.0f) << "shut half a second after the visitor is clear";
    doors[0].leaves[0].slides = true;
    doors[0].open = 1.0f;
    EXPECT_NEAR(leafPose(doors[0], doors[0].leaves[0]).shift.x, -2.5f, 1e-4f) << "a sliding leaf goes behind its hinge edge";
}

}  // namespace
