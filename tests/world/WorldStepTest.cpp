#include "engine/Event.h"
#include "engine/EventType.h"
#include "support/ManualClock.h"
#include "support/TempFolder.h"
#include "world/HeartKinds.h"
#include "world/LevelRules.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

namespace
{
// A world on a hand-driven clock, starting afresh: its first step starts the emission timer.
class WorldStep : public ::testing::Test
{
protected:
    WorldStep() { World::resetEmissionTimer(); }

    void load(const std::string& content) { world.load(folder.write("level.txt", content)); }
    // Steps once after `milliseconds` more on the clock.
    void stepAfter(std::uint32_t milliseconds)
    {
        clock.advance(milliseconds);
        world.step();
    }
    // The first step, which only starts the timer, then the step that emits the first particles.
    void stepUntilFirstEmission()
    {
        world.step();
        stepAfter(World::emissionIntervalMs + 1);
    }
    std::size_t flowSize() const { return world.getParticles().size(); }
    const Particle& first() const { return world.getParticles().front(); }

    ManualClock clock;
    TempFolder folder;
    World world;
};
} // namespace

TEST_F(WorldStep, PassesComeMoreThanFiftyMillisecondsApartAcrossTheWrapAndEmitOneEachInOrder)
{
    clock.set(0xFFFFFFF0u);
    load("GENERATOR 10 100 0 0 2\nGENERATOR 10 200 0 0 1\nGENERATOR 10 300 0 0 0\nGENERATOR 10 400 0 0 -4\n");
    world.step();
    EXPECT_EQ(flowSize(), 0u) << "the program's first step only starts the timer";
    stepAfter(50);
    EXPECT_EQ(flowSize(), 0u);
    stepAfter(1);
    ASSERT_EQ(flowSize(), 2u);
    EXPECT_EQ(first().position.y, 100);
    EXPECT_EQ(world.getParticles().back().position.y, 200);
    stepAfter(10);
    stepAfter(40);
    EXPECT_EQ(flowSize(), 2u) << "50 ms since the last pass, however many steps";
    stepAfter(1);
    stepAfter(51);
    EXPECT_EQ(flowSize(), 3u);
    EXPECT_EQ(world.getGenerators()[0].remaining, 0);
    EXPECT_EQ(world.getGenerators()[3].remaining, -4);
}

TEST_F(WorldStep, AParticleIsAbsorbedAtTheRadiusByTheFirstBodyForPlanetsOnlyAndDroppedUncountedOffTheField)
{
    // The bodies have no pull, so the particles fly straight.
    load("GRAVBODY 100 100 5 0 ./graphics/planet.png 0\n"
         "GRAVBODY 100 300 5 0 ./graphics/lightheart.png 0\n"
         "GRAVBODY 100 500 5 0 ./graphics/PLANET.png 0\n"
         "GRAVBODY 300 100 10 0 ./graphics/moon.png 0\nGRAVBODY 300 100 10 0 ./graphics/planet.png 0\n"
         "GRAVBODY 500 100 10 0 ./graphics/planet.png 0\nGRAVBODY 500 100 10 0 ./graphics/moon.png 0\n"
         "GENERATOR 104.5 100 1 0 1\nGENERATOR 104 100 1 0 1\nGENERATOR 104 300 1 0 1\n"
         "GENERATOR 104 500 1 0 1\nGENERATOR 300 100 0 0 1\nGENERATOR 500 100 0 0 1\n"
         "GENERATOR 899 300 1 0 1\nGENERATOR 899.5 300 1 0 1\n"
         "GENERATOR 300 -99 0 -1 1\nGENERATOR 300 -99.5 0 -1 1\n"
         "GENERATOR -99 300 -1 0 1\nGENERATOR -99.5 300 -1 0 1\n"
         "GENERATOR 300 699 0 1 1\nGENERATOR 300 699.5 0 1 1\n");
    stepUntilFirstEmission();
    ASSERT_EQ(flowSize(), 5u) << "the one beyond the radius, and those at the field limits";
    EXPECT_EQ(first().position.x, 105.5f);
    EXPECT_EQ(world.getCapturedCount(), 2) << "the first planet's, and the one where a planet comes first";
    stepAfter(10);
    EXPECT_EQ(flowSize(), 1u);
    EXPECT_EQ(world.getCapturedCount(), 2);
}

TEST_F(WorldStep, BodiesTurnByTheirSpinAndStartAgainAtZeroPastAFullTurn)
{
    load("GRAVBODY 0 0 5 0 a.png 359.5\nGRAVBODY 0 0 5 0 b.png 1.5\nGRAVBODY 0 0 5 0 c.png -100\n");
    world.step();
    world.step();
    EXPECT_EQ(world.getBodies()[0].angle, 0) << "set back to 0, not to the excess";
    for (int step = 2; step < 240; ++step)
        world.step();
    EXPECT_EQ(world.getBodies()[1].angle, 360) << "exactly a full turn is kept";
    world.step();
    EXPECT_EQ(world.getBodies()[1].angle, 0);
    EXPECT_EQ(world.getBodies()[2].angle, -24100) << "no limit below 0";
}

TEST_F(WorldStep, NonFiniteMotionNeverKeepsAParticleInTheField)
{
    // Two bodies at one place, one pulling and one pushing with the largest strengths a file can hold: the
    // pulls overflow to opposite infinities and the velocity is no number at all.
    load("GRAVBODY 200 200 0 3e38 a.png 0\nGRAVBODY 200 200 0 -3e38 b.png 0\nGENERATOR 200.01 200 0 0 1\n");
    stepUntilFirstEmission();
    ASSERT_EQ(flowSize(), 1u);
    EXPECT_TRUE(std::isnan(first().velocity.x));
    stepAfter(10);
    EXPECT_EQ(flowSize(), 0u);
}

TEST_F(WorldStep, EachKindOfHeartHasASupplyOfFiveWithAClickUntilTheNextLoad)
{
    int clicks = 0;
    world.setClickPlayer([&] { ++clicks; });
    const std::string level = "GRAVBODY 120 100 10 0 ./graphics/planet.png 0\nGENERATOR 100 100 1 0 10";
    load(level);
    for (const HeartKind& kind : HeartKinds::all)
        for (int heart = 0; heart <= kind.supply; ++heart)
            world.placeHeart(100 + heart, 500, LevelRules::heartRadius, kind.strength, kind.picture);
    ASSERT_EQ(world.getBodies().size(), 1u + HeartKinds::totalSupply())
        << "an empty supply ignores it silently";
    for (std::size_t kind = 0; kind < HeartKinds::count; ++kind)
        EXPECT_EQ(world.getHeartsLeft(kind), 0);
    EXPECT_EQ(clicks, HeartKinds::totalSupply());

    stepUntilFirstEmission();
    for (int step = 0; step < 40; ++step)
        stepAfter(10);
    ASSERT_GT(world.getCapturedCount(), 0);
    load(level);
    EXPECT_EQ(world.getCapturedCount(), 0);
    for (std::size_t kind = 0; kind < HeartKinds::count; ++kind)
        EXPECT_EQ(world.getHeartsLeft(kind), HeartKinds::all[kind].supply);
    EXPECT_EQ(world.getBodies().size(), 1u);
    EXPECT_TRUE(world.getParticles().empty());
}

TEST_F(WorldStep, APauseOfAnyLengthChangesNothingOfWhatFollows)
{
    const std::string level = "GENERATOR 50 300 3 0 60\nGENERATOR 50 320 3 0.2 60\n"
                              "GRAVBODY 500 300 40 60 ./graphics/planet.png 2\n";
    const HeartKind& light = HeartKinds::all[0];
    Event tick(Tick);
    // Steps of uneven lengths with a heart placed at step 30, paused before `pausedStep` for that long,
    // with Ticks coming all through the pause; what the field holds at the end.
    const auto play = [&](int pausedStep, std::uint32_t pauseMilliseconds)
    {
        World::resetEmissionTimer();
        load(level);
        for (int step = 0; step < 300; ++step)
        {
            if (step == 30)
                world.placeHeart(400, 260, LevelRules::heartRadius, light.strength, light.picture);
            if (step == pausedStep)
            {
                world.pause();
                for (int quarter = 0; quarter < 4; ++quarter)
                {
                    clock.advance(pauseMilliseconds / 4);
                    world.handleEvent(tick);
                }
                clock.advance(pauseMilliseconds % 4);
                world.resume();
            }
            clock.advance(step % 3 == 0 ? 13 : 10);
            world.handleEvent(tick);
        }
        std::string field = std::to_string(world.getCapturedCount());
        for (const Generator& generator : world.getGenerators())
            field += " " + std::to_string(generator.remaining);
        for (const Particle& particle : world.getParticles())
            field += " " + std::to_string(particle.position.x) + "," + std::to_string(particle.position.y);
        return field + " " + std::to_string(world.getBodies()[0].angle);
    };
    const std::string unpaused = play(-1, 0);
    ASSERT_NE(world.getCapturedCount(), 0);
    for (const auto& [step, milliseconds] : {std::pair{0, 1u}, {27, 37u}, {43, 5000u}, {151, 0xFFFFFF00u}})
        EXPECT_EQ(play(step, milliseconds), unpaused) << milliseconds << " ms at step " << step;
}

TEST_F(WorldStep, TheFlowIsOverOnlyWhenNoParticleStillFliesAndALevelShortOfTheGoalIsLostAtOnce)
{
    // A stream into a planet, and a generator whose count was never positive.
    for (const int particles : {LevelRules::goal, 1})
    {
        load("GENERATOR 100 300 10 0 " + std::to_string(particles) +
             "\nGENERATOR 0 0 0 0 -4\nGRAVBODY 400 300 40 0 ./graphics/planet.png 0\n");
        for (int step = 0; step < 120; ++step)
        {
            stepAfter(World::emissionIntervalMs + 1);
            const bool over = world.getGenerators()[0].remaining == 0 && flowSize() == 0;
            ASSERT_EQ(world.isFlowOver(), over) << particles << " particles, step " << step;
            ASSERT_EQ(LevelRules::isLost(world), particles < LevelRules::goal) << step;
        }
        EXPECT_TRUE(world.isFlowOver());
        EXPECT_EQ(world.getCapturedCount(), particles);
    }
}

TEST(LevelRules, AHeartGoesOnTheFieldAboveTheBar)
{
    const int lowest = LevelRules::lowestHeartY;
    for (const auto& [x, y, placeable] : {std::tuple{0, lowest, true},
                                          {799, 600, true},
                                          {-1, 300, false},
                                          {800, 300, false},
                                          {400, lowest - 1, false},
                                          {400, 601, false}})
        EXPECT_EQ(LevelRules::isPlaceable(x, y), placeable) << x << "," << y;
}
