#include "world/LevelRules.h"

#include "world/World.h"

#include <algorithm>

bool LevelRules::isPlaceable(int x, int y)
{
    return x >= 0 && x < World::fieldWidth && y >= lowestHeartY && y <= World::fieldHeight;
}

bool LevelRules::isWon(const World& world)
{
    return world.getCapturedCount() >= goal;
}

long long LevelRules::capturable(const World& world)
{
    long long count = world.getCapturedCount() + static_cast<long long>(world.getParticles().size());
    for (const Generator& generator : world.getGenerators())
        count += std::max(generator.remaining, 0);
    return count;
}

bool LevelRules::isLost(const World& world)
{
    return capturable(world) < goal;
}
