#pragma once

#include "HeartPlacement.h"

#include <vector>

// The spots of a square grid over the part of the field a player can reach: one every `step` units, the
// first `offset` units in from the left edge and from the lowest row a heart may go in.
class HeartGrid
{
public:
    HeartGrid(int step, int offset);

    // A heart of every kind at every spot, spot by spot, row by row from the bottom.
    std::vector<HeartPlacement> hearts() const;
    int countSpots() const;

private:
    int step;
    int offset;
};
