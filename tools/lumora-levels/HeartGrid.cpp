#include "HeartGrid.h"

#include "world/World.h"

HeartGrid::HeartGrid(int gridStep, int gridOffset) : step(gridStep), offset(gridOffset) {}

std::vector<HeartPlacement> HeartGrid::hearts() const
{
    std::vector<HeartPlacement> all;
    for (int y = HeartPlacement::lowestY + offset; y < World::fieldHeight; y += step)
        for (int x = offset; x < World::fieldWidth; x += step)
            for (const HeartPlacement::Kind kind : HeartPlacement::kinds)
                all.push_back(HeartPlacement{kind, x, y});
    return all;
}

int HeartGrid::countSpots() const
{
    return static_cast<int>(hearts().size() / HeartPlacement::kinds.size());
}
