#include "world/World.h"

void World::handleEvent(Event&)
{
}

void World::draw()
{
}
