#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "engine/GameFiles.h"
#include "sound/SoundHandler.h"
#include "support/CoreFixture.h"
#include "support/ManualClock.h"
#include "support/TempFolder.h"
#include "world/LevelRules.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace
{
// Core's own world in the game's folder layout, with the real click sound so that a click is seen as a
// started playback.
class WorldInCore : public CoreFixture
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
    void place(int x, bool light)
    {
        world->placeHeart(x, 500, LevelRules::heartRadius,
                          LevelRules::strengthOf(light ? LevelRules::Heart::Light : LevelRules::Heart::Dark),
                          light ? GameFiles::lightHeartPicture : GameFiles::darkHeartPicture);
    }
    int clicks() const
    {
        return Core::instance()->getSoundHandler()->getPlaybackCount(GameFiles::clickSound);
    }

    TempFolder folder;
    ScopedWorkingFolder inGameFolder{folder.path()};
    ManualClock clock;
    World* world = nullptr;
};
} // namespace

TEST_F(WorldInCore, HeartsFollowTheLevelsBodiesWithAClickWhileEachSupplyOfFiveLastsUntilTheNextLoad)
{
    const std::string level = "GRAVBODY 120 100 10 0 ./graphics/planet.png 0\nGENERATOR 100 100 1 0 10";
    load(level);
    for (int heart = 0; heart < 6; ++heart)
        place(100 + heart, true);
    for (int heart = 0; heart < 7; ++heart)
        place(200 + heart, false);
    ASSERT_EQ(world->getBodies().size(), 11u) << "an empty supply ignores the click silently";
    EXPECT_EQ(world->getLightHearts(), 0);
    EXPECT_EQ(world->getDarkHearts(), 0);
    EXPECT_EQ(clicks(), 10);
    EXPECT_TRUE(world->getBodies()[0].isPlanet());
    const GravBody& light = world->getBodies()[1];
    EXPECT_EQ(light.position.x, 100);
    EXPECT_EQ(light.position.y, 500);
    EXPECT_EQ(light.textureName, "./graphics/lightheart.png");
    EXPECT_EQ(world->getBodies()[5].position.x, 104) << "hearts stay in placing order";
    EXPECT_EQ(world->getBodies()[10].textureName, "./graphics/darkheart.png");
    world->placeHeart(50, 60, 7, 3, "./graphics/LIGHTHEART.png");
    EXPECT_EQ(world->getBodies().size(), 12u) << "any other picture is a body without supply or click";
    EXPECT_EQ(clicks(), 10);

    for (int step = 0; step < 40; ++step)
    {
        world->step();
        clock.advance(10);
    }
    ASSERT_GT(world->getCapturedCount(), 0);
    load(level);
    EXPECT_EQ(world->getCapturedCount(), 0);
    EXPECT_EQ(world->getLightHearts(), 5);
    EXPECT_EQ(world->getDarkHearts(), 5);
    EXPECT_EQ(world->getBodies().size(), 1u);
    EXPECT_TRUE(world->getParticles().empty());
}

TEST_F(WorldInCore, TheWorldStepsOnTicksOnlyWhileRegisteredForThem)
{
    load("GENERATOR 100 100 3 0 5\nGRAVBODY 400 300 10 100 x.png 2\n");
    Handle<EventManager> events = Core::instance()->getEventManager();
    Handle<World> held = Core::instance()->getWorld();
    const auto tickTwice = [&]
    {
        for (int frame = 0; frame < 2; ++frame)
        {
            clock.advance(60);
            Event tick(Tick);
            events->post(tick);
            events->dispatchAll();
        }
    };

    events->addListener(held, Tick);
    tickTwice();
    events->removeListener(held, Tick);
    tickTwice();
    Event mouseUp(MouseUp);
    world->handleEvent(mouseUp);
    ASSERT_EQ(world->getParticles().size(), 1u);
    EXPECT_EQ(world->getParticles().front().position.x, 103) << "emitted and moved once, at the second tick";
    EXPECT_EQ(world->getBodies()[0].angle, 4);
}
