#include "world/World.h"

void World::handleEvent(Event&)
{
}

void World::draw()
{
}

void World::load(const std::string&)
{
}
