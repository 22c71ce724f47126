#include "Simulation.h"

#include "HeartPlacement.h"

#include "platform/Clock.h"
#include "world/HeartKinds.h"
#include "world/LevelRules.h"
#include "world/World.h"

#include <algorithm>
#include <cassert>

namespace
{
bool clockTaken = false;
}

Simulation::Simulation(const std::string& levelFile, std::uint32_t stepMs, LevelReport* report)
    : world(new World()), tickMs(stepMs)
{
    assert(!clockTaken && "one simulation at a time drives the clock");
    clockTaken = true;
    platform::setTickCountSource([this] { return now; });
    World::resetEmissionTimer();
    world->load(levelFile, report);
}

Simulation::~Simulation()
{
    platform::setTickCountSource(nullptr);
    clockTaken = false;
}

void Simulation::placeHeart(const HeartPlacement& heart)
{
    const HeartKind& kind = HeartKinds::all[heart.kind];
    world->placeHeart(heart.x, heart.y, LevelRules::heartRadius, kind.strength, kind.picture);
}

void Simulation::step()
{
    now += tickMs;
    world->step();
    ++steps;
}

int Simulation::getSteps() const
{
    return steps;
}

const World& Simulation::getWorld() const
{
    return *world;
}
