#pragma once

#include "HeartPlacement.h"

#include "world/HeartKinds.h"

#include <iosfwd>
#include <numeric>
#include <string>
#include <vector>

// Measures how hard a run of levels is, one level after another, and judges whether the difficulty rises
// the way a player can follow. Per level: how many single hearts on a coarse grid win it (the easier the
// level, the more), how many hearts its recorded solution places, and how often that solution still wins
// when every heart lands a little off, as a person's clicks do.
class DifficultyCurve
{
public:
    // The grid of single hearts: one every this many units, half a step in from the left edge, in the rows
    // a player can reach; each heart placed after one second, as the first heart of a paced play.
    static constexpr int gridStep = 60;
    // The grid's lowest height, in field units, kept from before the game's rule of where a heart may go
    // (LevelRules) was shared, so that the shipped curve reads as it was measured.
    static constexpr int gridLowestY = 110;
    // Trials of the recorded solution with every heart moved up to this many units in a random direction,
    // drawn from a fixed seed that each level starts afresh, so a level's figure depends on it alone.
    static constexpr int nudgeTrials = 20;
    static constexpr int nudgeUnits = 10;
    static constexpr unsigned nudgeSeed = 1;

    // The rules of a curve a player can feel. The first levels teach, so many single hearts win them;
    // after them the count of winning hearts may only rise this much from one level to the next; and
    // every solution must win this share of its nudged trials, in percent.
    static constexpr int teachingLevels = 3;
    static constexpr int manyPlacements = 10;
    static constexpr int mostRise = 2;
    static constexpr int leastTolerancePercent = 80;

    // Measures the level (a readable file) and adds it after the ones added before.
    void add(const std::string& levelFile);

    // One line per level, then a line for each rule broken.
    void write(std::ostream& out) const;
    // The rules each level breaks, as sentences; empty when the curve is fine.
    std::vector<std::string> findBreaks() const;

private:
    struct Point
    {
        std::string levelFile;
        // Per kind of heart, in the order of HeartKinds.
        std::vector<int> wins = std::vector<int>(HeartKinds::count);
        bool wonWithoutHearts = false;
        // Why the recorded solution cannot count; empty when it was replayed and won.
        std::string solutionProblem;
        std::vector<HeartPlacement> solution;
        int steadyTrials = 0;

        int gridWins() const { return std::accumulate(wins.begin(), wins.end(), 0); }
    };

    static void countGridWins(Point& point);
    static void replaySolution(Point& point, const std::string& remarks);
    static HeartPlacement nudged(HeartPlacement heart, unsigned long angleDraw, unsigned long distanceDraw);
    void addBreaksOf(std::size_t index, std::vector<std::string>& breaks) const;

    std::vector<Point> points;
};
