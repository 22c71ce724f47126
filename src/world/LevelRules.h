#pragma once

class World;

// The rules every level is played by, read alike by the game's screens and by the level tool: the goal,
// where a heart may go, what every heart is as a body, and when a level is won or lost. The kinds of heart
// and their supplies are HeartKinds.
class LevelRules
{
public:
    // Particles the planets must capture to complete a level; also the meter's full scale.
    static constexpr int goal = 70;
    // Every heart's radius, in field units.
    static constexpr float heartRadius = 20;
    // A heart goes only above this height, in field units up from the bottom edge: the bottom bar covers
    // the field up to it, and a heart there could not be seen.
    static constexpr int heartFloor = 74;
    static constexpr int lowestHeartY = heartFloor + 1;

    // Whether a player can place a heart at this field point (y up): on the field, from lowestHeartY up.
    static bool isPlaceable(int x, int y);
    // Whether the planets have captured the goal.
    static bool isWon(const World& world);
    // The most the planets can still capture in all: what they have, what flies and what the generators
    // still hold.
    static long long capturable(const World& world);
    // Whether the level can no longer be won: fewer than the goal are capturable. True from the first step
    // at which that happens, even with particles still in flight.
    static bool isLost(const World& world);
};
