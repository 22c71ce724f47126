#include "engine/Core.h"
#include "sound/SoundHandler.h"
#include "support/CoreFixture.h"
#include "support/ManualClock.h"
#include "support/TempFolder.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace
{
// The game's folder layout with the real click sound, so that a click is seen as a started playback.
class HeartPlacing : public CoreFixture
{
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        std::filesystem::create_directories(folder.file("sounds"));
        std::filesystem::copy_file(std::string(LUMORA_SOURCE_DIR) + "/data/sounds/click.mp3",
                                   folder.file("sounds/click.mp3"));
        World::resetEmissionTimer();
        world = Core::instance()->getWorld().get();
    }

    void load(const std::string& content) { world->load(folder.write("levels/level.txt", content)); }
    void placeLight(int x, int y)
    {
        world->placeHeart(x, y, World::heartRadius, World::heartStrength, World::lightHeartImage);
    }
    void placeDark(int x, int y)
    {
        world->placeHeart(x, y, World::heartRadius, -World::heartStrength, World::darkHeartImage);
    }
    int clicks() const { return Core::instance()->getSoundHandler()->getPlaybackCount(World::clickSound); }

    TempFolder folder;
    ScopedWorkingFolder inGameFolder{folder.path()};
    World* world = nullptr;
};
} // namespace

TEST_F(HeartPlacing, AHeartIsABodyAppendedAfterTheLevelsOwnWithAClick)
{
    load("GRAVBODY 400 300 30 100 ./graphics/planet.png 1");
    placeLight(120, 80);
    ASSERT_EQ(world->getBodies().size(), 2u);
    const GravBody& heart = world->getBodies()[1];
    EXPECT_EQ(heart.position.x, 120);
    EXPECT_EQ(heart.position.y, 80);
    EXPECT_EQ(heart.position.z, 0);
    EXPECT_EQ(heart.radius, 20);
    EXPECT_EQ(heart.strength, 150);
    EXPECT_EQ(heart.textureName, "./graphics/lightheart.png");
    EXPECT_EQ(heart.spin, 0);
    EXPECT_EQ(heart.angle, 0);
    EXPECT_EQ(world->getLightHearts(), 4);
    EXPECT_EQ(world->getDarkHearts(), 5);
    EXPECT_EQ(clicks(), 1);

    placeDark(-5, 700);
    ASSERT_EQ(world->getBodies().size(), 3u);
    EXPECT_EQ(world->getBodies()[0].textureName, "./graphics/planet.png");
    EXPECT_EQ(world->getBodies()[2].textureName, "./graphics/darkheart.png");
    EXPECT_EQ(world->getBodies()[2].strength, -150);
    EXPECT_EQ(world->getBodies()[2].position.x, -5);
    EXPECT_EQ(world->getDarkHearts(), 4);
    EXPECT_EQ(clicks(), 2);
}

TEST_F(HeartPlacing, EachKindHasFiveAndAnEmptySupplyIgnoresTheClickSilently)
{
    load("");
    for (int heart = 0; heart < 6; ++heart)
        placeLight(100 + heart, 100);
    EXPECT_EQ(world->getBodies().size(), 5u);
    EXPECT_EQ(world->getLightHearts(), 0);
    EXPECT_EQ(clicks(), 5);
    EXPECT_EQ(world->getBodies().back().position.x, 104) << "hearts stay in placing order";

    for (int heart = 0; heart < 7; ++heart)
        placeDark(200 + heart, 100);
    EXPECT_EQ(world->getBodies().size(), 10u);
    EXPECT_EQ(world->getDarkHearts(), 0);
    EXPECT_EQ(world->getLightHearts(), 0);
    EXPECT_EQ(clicks(), 10);
}

TEST_F(HeartPlacing, AnyOtherPictureAddsABodyWithoutSupplyOrClick)
{
    load("");
    for (int light = 0; light < 5; ++light)
        placeLight(1, 1);
    world->placeHeart(50, 60, 7, 3, "./graphics/LIGHTHEART.png");
    ASSERT_EQ(world->getBodies().size(), 6u);
    EXPECT_EQ(world->getBodies()[5].radius, 7);
    EXPECT_EQ(world->getLightHearts(), 0);
    EXPECT_EQ(world->getDarkHearts(), 5);
    EXPECT_EQ(clicks(), 5);
}

TEST_F(HeartPlacing, LoadingGivesFreshHeartsAndACountOfZeroAndTakesThePlacedHeartsAway)
{
    ManualClock clock;
    load("GRAVBODY 120 100 10 0 ./graphics/planet.png 0\nGENERATOR 100 100 1 0 10");
    for (int step = 0; step < 40; ++step)
    {
        world->step();
        clock.advance(10);
    }
    ASSERT_GT(world->getCapturedCount(), 0);
    placeLight(10, 10);
    placeDark(20, 20);

    load("GRAVBODY 120 100 10 0 ./graphics/planet.png 0\nGENERATOR 100 100 1 0 10");
    EXPECT_EQ(world->getCapturedCount(), 0);
    EXPECT_EQ(world->getLightHearts(), 5);
    EXPECT_EQ(world->getDarkHearts(), 5);
    EXPECT_EQ(world->getBodies().size(), 1u);
    EXPECT_TRUE(world->getParticles().empty());
    EXPECT_EQ(world->getGenerators()[0].remaining, 10);
}

TEST_F(HeartPlacing, AHeartInTheFlowsWaySwallowsItUncountedUnlessALevelBodyReachesFirst)
{
    ManualClock clock;
    // The first flow runs into a heart. The second starts where a planet and a heart overlap: the planet,
    // listed first, takes it.
    load("GRAVBODY 700 300 20 0 ./graphics/planet.png 0\n"
         "GENERATOR 100 100 2 0 5\nGENERATOR 698 300 2 0 5\n");
    placeLight(130, 100);
    placeLight(705, 300);
    for (int step = 0; step < 400; ++step)
    {
        world->step();
        clock.advance(10);
    }
    EXPECT_TRUE(world->getParticles().empty());
    EXPECT_EQ(world->getCapturedCount(), 5);
}
