// Ids from running counters and the data that named scene objects keep.
#include "scene/SceneObject.h"

#include <gtest/gtest.h>

namespace {

TEST(SceneObject, OneCounterHandsOutOneTwoThree)
{
    IdCounter counter(0);
    ItemObject key(counter, "a key", true, false);
    CharacterObject player(counter, "player", 0.0f, true);
    SceneObject thing(counter, "thing");
    EXPECT_EQ(key.getId(), 1);
    EXPECT_EQ(player.getId(), 2);
    EXPECT_EQ(thing.getId(), 3);
    EXPECT_EQ(counter.value, 3);
}

TEST(SceneObject, CounterStartsAfterItsStartValue)
{
    IdCounter counter(41);
    EXPECT_EQ(counter.next(), 42);
    EXPECT_EQ(SceneObject(counter, "x").id, 43);
}

TEST(SceneObject, TwoCountersBothGiveOne)
{
    IdCounter global(0);
    IdCounter local(0);
    CharacterObject tobrin(local, "Tobrin", 10.0f, true);
    ItemObject key(global, "a key", true, false);
    EXPECT_EQ(tobrin.getId(), 1);
    EXPECT_EQ(key.getId(), 1);
}

TEST(SceneObject, KeepsNameFlagsAndAmount)
{
    IdCounter counter(0);
    std::string name = "a key";
    ItemObject key(counter, name, true, false);
    name[0] = 'X';
    EXPECT_EQ(key.name, "a key");
    EXPECT_TRUE(key.flagA);
    EXPECT_FALSE(key.flagB);

    CharacterObject tobrin(counter, "Tobrin", 10.0f, true);
    EXPECT_EQ(tobrin.name, "Tobrin");
    EXPECT_EQ(tobrin.amount, 10.0f);
    EXPECT_TRUE(tobrin.active);

    CharacterObject idle(counter, "idle", 2.5f, false);
    EXPECT_EQ(idle.amount, 2.5f);
    EXPECT_FALSE(idle.active);
}

TEST(SceneObject, ShapeIsDefaultSolid)
{
    IdCounter counter(0);
    ItemObject key(counter, "a key", true, false);
    EXPECT_EQ(key.shape.faceCount, 4);
    EXPECT_EQ(key.shape.position.x, 0.0f);
    EXPECT_EQ(key.shape.material.ambient[0], 0.2f);
}

}  // namespace
