#include "world/LevelRules.h"

#include "world/World.h"

bool LevelRules::isPlaceable(int x, int y)
{
    return x >= 0 && x < World::fieldWidth && y >= lowestHeartY && y <= World::fieldHeight;
}

bool LevelRules::isWon(const World& world)
{
    return world.getCapturedCount() >= goal;
}

bool LevelRules::isLost(const World& world)
{
    return world.isFlowOver() && !isWon(world);
}
