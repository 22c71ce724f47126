#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "engine/Handle.h"
#include "support/CoreFixture.h"
#include "support/ManualClock.h"
#include "support/TempFolder.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace
{
// A world on a hand-driven clock, starting afresh: its first step starts the emission timer.
class WorldStep : public ::testing::Test
{
protected:
    WorldStep() { World::resetEmissionTimer(); }

    World& load(const std::string& content)
    {
        world.load(folder.write("level.txt", content));
        return world;
    }
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
    std::vector<Particle> particles() const
    {
        return std::vector<Particle>(world.getParticles().begin(), world.getParticles().end());
    }

    ManualClock clock;
    TempFolder folder;
    World world;
};

class WorldEvents : public CoreFixture
{
protected:
    WorldEvents() { World::resetEmissionTimer(); }

    ManualClock clock;
    TempFolder folder;
};
} // namespace

TEST_F(WorldStep, EmitsAtTheFirstStepMoreThanFiftyMillisecondsAfterTheLastPass)
{
    load("GENERATOR 100 100 0 0 10");
    world.step();
    EXPECT_EQ(world.getParticles().size(), 0u) << "the program's first step only starts the timer";
    stepAfter(50);
    EXPECT_EQ(world.getParticles().size(), 0u);
    stepAfter(1);
    EXPECT_EQ(world.getParticles().size(), 1u);
    stepAfter(10);
    stepAfter(40);
    EXPECT_EQ(world.getParticles().size(), 1u);
    stepAfter(1);
    EXPECT_EQ(world.getParticles().size(), 2u);
    EXPECT_EQ(world.getGenerators()[0].remaining, 8);
}

TEST_F(WorldStep, TheEmissionTimerBelongsToTheProgramNotToALoadOrAWorld)
{
    load("GENERATOR 100 100 0 0 10");
    world.step();
    clock.advance(500);
    load("GENERATOR 100 100 0 0 10");
    world.step();
    EXPECT_EQ(world.getParticles().size(), 1u) << "a new level's first pass may come at its first step";

    World other;
    other.load(folder.write("other.txt", "GENERATOR 1 1 0 0 5"));
    clock.advance(30);
    other.step();
    EXPECT_EQ(other.getParticles().size(), 0u) << "only 30 ms since the pass of the other world";
    clock.advance(21);
    other.step();
    EXPECT_EQ(other.getParticles().size(), 1u);

    World::resetEmissionTimer();
    clock.advance(1000);
    other.step();
    EXPECT_EQ(other.getParticles().size(), 1u) << "a forgotten timer starts afresh";
}

TEST_F(WorldStep, TheTimerSurvivesTheWrapOfTheTickCounter)
{
    clock.set(0xFFFFFFF0u);
    load("GENERATOR 100 100 0 0 10");
    world.step();
    stepAfter(60);
    EXPECT_EQ(world.getParticles().size(), 1u);
}

TEST_F(WorldStep, GeneratorsEmitOneEachPerPassInOrderUntilSpent)
{
    load("GENERATOR 10 100 0 0 3\nGENERATOR 10 200 0 0 1\nGENERATOR 10 300 0 0 0\nGENERATOR 10 400 0 0 -4\n");
    stepUntilFirstEmission();
    std::vector<Particle> flow = particles();
    ASSERT_EQ(flow.size(), 2u);
    EXPECT_EQ(flow[0].position.y, 100);
    EXPECT_EQ(flow[1].position.y, 200);
    for (int pass = 0; pass < 4; ++pass)
        stepAfter(51);
    EXPECT_EQ(world.getParticles().size(), 4u);
    EXPECT_EQ(world.getGenerators()[0].remaining, 0);
    EXPECT_EQ(world.getGenerators()[1].remaining, 0);
    EXPECT_EQ(world.getGenerators()[2].remaining, 0);
    EXPECT_EQ(world.getGenerators()[3].remaining, -4);
}

TEST_F(WorldStep, AHugeCountEmitsOnePerPass)
{
    load("GENERATOR 100 100 0 0 2147483647");
    stepUntilFirstEmission();
    stepAfter(51);
    stepAfter(51);
    EXPECT_EQ(world.getParticles().size(), 3u);
    EXPECT_EQ(world.getGenerators()[0].remaining, std::numeric_limits<int>::max() - 3);
}

TEST_F(WorldStep, ParticlesMoveByTheOldVelocityThenArePulledAtTheirNewPlace)
{
    load("GENERATOR 100 130 2 0.5 1\nGRAVBODY 300 100 3 250 ./graphics/moon.png 0\n");
    const Vector3 body(300, 100, 0);
    Vector3 position(100, 130, 0);
    Vector3 velocity(2, 0.5f, 0);
    stepUntilFirstEmission();
    for (int step = 0; step < 40; ++step)
    {
        position = position + velocity;
        const Vector3 toward = body - position;
        const float distance = toward.length();
        velocity = velocity + (toward.normalised() * (1.0f / (distance * distance))) * 250.0f;
        ASSERT_EQ(world.getParticles().size(), 1u);
        const Particle& particle = world.getParticles().front();
        ASSERT_EQ(particle.position.x, position.x) << "step " << step;
        ASSERT_EQ(particle.position.y, position.y) << "step " << step;
        ASSERT_EQ(particle.velocity.x, velocity.x) << "step " << step;
        ASSERT_EQ(particle.velocity.y, velocity.y) << "step " << step;
        stepAfter(10);
    }
    EXPECT_GT(world.getParticles().front().velocity.x, 2.0f) << "the body pulls towards itself";
}

TEST_F(WorldStep, PullsOfEqualBodiesCancelExactlyMidwayBetweenThem)
{
    load("GRAVBODY 300 200 10 250 ./graphics/planet.png 0\n"
         "GENERATOR 400 200 0 0.5 1\n"
         "GRAVBODY 500 200 10 250 ./graphics/planet.png 0\n");
    stepUntilFirstEmission();
    for (int step = 0; step < 50; ++step)
    {
        ASSERT_EQ(world.getParticles().size(), 1u);
        ASSERT_EQ(world.getParticles().front().position.x, 400) << "step " << step;
        ASSERT_EQ(world.getParticles().front().velocity.x, 0) << "step " << step;
        stepAfter(10);
    }
    EXPECT_LT(world.getParticles().front().velocity.y, 0.5f) << "both pull it back towards their line";
}

TEST_F(WorldStep, ParticlesBeyondTheFieldLimitsAreDroppedUncounted)
{
    load("GENERATOR 899 300 1 0 1\nGENERATOR 899.5 300 1 0 1\n"
         "GENERATOR 300 -99 0 -1 1\nGENERATOR 300 -99.5 0 -1 1\n"
         "GENERATOR -99 300 -1 0 1\nGENERATOR -99.5 300 -1 0 1\n"
         "GENERATOR 300 699 0 1 1\nGENERATOR 300 699.5 0 1 1\n");
    stepUntilFirstEmission();
    std::vector<Particle> flow = particles();
    ASSERT_EQ(flow.size(), 4u);
    EXPECT_EQ(flow[0].position.x, 900);
    EXPECT_EQ(flow[1].position.y, -100);
    EXPECT_EQ(flow[2].position.x, -100);
    EXPECT_EQ(flow[3].position.y, 700);
    stepAfter(10);
    EXPECT_TRUE(world.getParticles().empty());
    EXPECT_EQ(world.getCapturedCount(), 0);
}

TEST_F(WorldStep, AParticleAtExactlyTheRadiusIsAbsorbedAndOnlyPlanetsCount)
{
    load("GRAVBODY 100 100 5 0 ./graphics/planet.png 0\n"
         "GRAVBODY 100 300 5 0 ./graphics/lightheart.png 0\n"
         "GRAVBODY 100 500 5 0 ./graphics/PLANET.png 0\n"
         "GENERATOR 104 100 1 0 1\nGENERATOR 104.5 100 1 0 1\n"
         "GENERATOR 104 300 1 0 1\nGENERATOR 104 500 1 0 1\n");
    stepUntilFirstEmission();
    ASSERT_EQ(world.getParticles().size(), 1u);
    EXPECT_EQ(world.getParticles().front().position.x, 105.5f);
    EXPECT_EQ(world.getCapturedCount(), 1);
}

TEST_F(WorldStep, OverlappingBodiesLeaveTheParticleToTheFirstOnly)
{
    load("GRAVBODY 100 100 10 0 ./graphics/moon.png 0\nGRAVBODY 100 100 10 0 ./graphics/planet.png 0\n"
         "GRAVBODY 300 100 10 0 ./graphics/planet.png 0\nGRAVBODY 300 100 10 0 ./graphics/moon.png 0\n"
         "GRAVBODY 500 100 10 0 ./graphics/moon.png 0\nGRAVBODY 505 100 10 0 ./graphics/planet.png 0\n"
         "GENERATOR 100 100 0 0 1\nGENERATOR 300 100 0 0 1\nGENERATOR 514 100 0 0 1\n");
    stepUntilFirstEmission();
    EXPECT_TRUE(world.getParticles().empty());
    EXPECT_EQ(world.getCapturedCount(), 2) << "the second planet's particle, and the one beyond the moon";
}

TEST_F(WorldStep, BodiesTurnByTheirSpinAndStartAgainAtZeroPastAFullTurn)
{
    load("GRAVBODY 100 100 5 0 a.png 359.5\nGRAVBODY 100 100 5 0 b.png 1.5\nGRAVBODY 100 100 5 0 c.png "
         "-100\n");
    world.step();
    EXPECT_EQ(world.getBodies()[0].angle, 359.5f);
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
    ASSERT_EQ(world.getParticles().size(), 1u);
    EXPECT_TRUE(std::isnan(world.getParticles().front().velocity.x));
    stepAfter(10);
    EXPECT_TRUE(world.getParticles().empty());
}

TEST_F(WorldStep, ABodyOfNegativeRadiusLeavesAParticleAtItsCentreUnharmed)
{
    load("GRAVBODY 200 200 -1 150 a.png 0\nGENERATOR 200 200 0 0 1\n");
    stepUntilFirstEmission();
    for (int step = 0; step < 3; ++step)
        stepAfter(10);
    ASSERT_EQ(world.getParticles().size(), 1u);
    EXPECT_EQ(world.getParticles().front().velocity.x, 0);
    EXPECT_EQ(world.getParticles().front().velocity.y, 0);
    EXPECT_EQ(world.getParticles().front().position.x, 200);
}

TEST_F(WorldEvents, TheWorldStepsOnTicksOnlyWhileRegisteredForThem)
{
    Handle<World> world(new World());
    world->load(folder.write("level.txt", "GENERATOR 100 100 3 0 5\nGRAVBODY 400 300 10 100 x.png 2\n"));
    Handle<EventManager> events = Core::instance()->getEventManager();
    const auto tick = [&]
    {
        clock.advance(60);
        Event event(Tick);
        events->post(event);
        events->dispatchAll();
    };

    events->addListener(world, Tick);
    tick();
    tick();
    tick();
    ASSERT_EQ(world->getParticles().size(), 2u);
    const Particle before = world->getParticles().front();
    const float angleBefore = world->getBodies()[0].angle;

    events->removeListener(world, Tick);
    for (int frame = 0; frame < 5; ++frame)
        tick();
    Event mouseUp(MouseUp);
    world->handleEvent(mouseUp);
    ASSERT_EQ(world->getParticles().size(), 2u);
    EXPECT_EQ(world->getParticles().front().position.x, before.position.x);
    EXPECT_EQ(world->getParticles().front().velocity.x, before.velocity.x);
    EXPECT_EQ(world->getGenerators()[0].remaining, 3);
    EXPECT_EQ(world->getBodies()[0].angle, angleBefore);

    events->addListener(world, Tick);
    tick();
    EXPECT_EQ(world->getParticles().size(), 3u);
    EXPECT_NE(world->getParticles().front().position.x, before.position.x);
    events->removeListener(world, Tick);
}
