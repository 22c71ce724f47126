#pragma once

#include "HeartPlacement.h"

#include <chrono>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Measures how hard a run of levels is, one level after another, and judges whether the difficulty rises
// the way a player can follow. Per level: the share of single hearts on a fine grid that win it (the easier
// the level, the more); for a level that few single hearts win, how many pairs of hearts on a coarse grid
// win it; how many hearts its recorded solution places, and how often that solution still wins when every
// heart lands a little off, as a person's clicks do. Across the levels: whether one level's solution wins
// another (see RepeatSearch). Every play stops at the deadline, and the measuring with it.
class DifficultyCurve
{
public:
    // Single hearts, each placed after one second as the first heart of a paced play: one every this many
    // units over the field a player can reach. Shifting this grid by half a cell moves no shipped level's
    // share by more than mostRisePercent, so a smaller rise cannot be told from the grid's own noise.
    static constexpr int singleStep = 20;
    // Pairs, placed after one and two seconds, for a level won by fewer single hearts than this share, in
    // percent: every ordered pair of hearts on a grid of one every this many units.
    static constexpr double fewSinglesPercent = 2;
    static constexpr int pairStep = 100;
    // Trials of the recorded solution with every heart moved up to this many units in a random direction,
    // drawn from a fixed seed that each level starts afresh, so a level's figure depends on it alone.
    static constexpr int nudgeTrials = 20;
    static constexpr int nudgeUnits = 10;
    static constexpr unsigned nudgeSeed = 1;

    // The rules of a curve a player can feel. The first levels teach, so many single hearts win them;
    // after them the share of winning single hearts may only rise this much from one level to the next,
    // in points of percent, and among levels measured by pairs the winning pairs may not rise at all; every
    // solution must win this share of its nudged trials, in percent.
    static constexpr int teachingLevels = 3;
    static constexpr double leastTeachingPercent = 10;
    static constexpr double mostRisePercent = 2;
    static constexpr int leastTolerancePercent = 80;

    // `shifted` moves both grids by half a cell, to show how much a level's figures owe to the grid.
    DifficultyCurve(std::chrono::steady_clock::time_point deadline, bool shifted);

    // Measures the level (a readable file) and adds it after the ones added before; false, adding
    // nothing, when the deadline stopped the measuring.
    bool add(const std::string& levelFile);
    // Replays every level's solution on the others; false when the deadline stopped it.
    bool findRepeats();

    // One line per level, then a line for each rule broken.
    void write(std::ostream& out) const;
    // The rules each level breaks, as sentences; empty when the curve is fine.
    std::vector<std::string> findBreaks() const;

private:
    struct Point
    {
        std::string levelFile;
        std::map<HeartPlacement::Kind, int> singleWins;
        int spots = 0;
        // Measured only for a level that few single hearts win.
        std::optional<int> pairWins;
        bool wonWithoutHearts = false;
        // Why the recorded solution cannot count; empty when it was replayed and won.
        std::string solutionProblem;
        std::vector<HeartPlacement> solution;
        int steadyTrials = 0;

        double percentOf(int wins) const;
        // Single hearts of every kind that win, in percent of the spots.
        double singlePercent() const;
    };

    // Each returns false when the deadline stopped it.
    bool countSingleWins(Point& point) const;
    bool countPairWins(Point& point) const;
    bool replaySolution(Point& point, const std::string& remarks) const;
    static HeartPlacement nudged(HeartPlacement heart, unsigned long angleDraw, unsigned long distanceDraw);
    void addBreaksOf(std::size_t index, std::vector<std::string>& breaks) const;

    std::chrono::steady_clock::time_point deadline;
    int gridShift;
    std::vector<Point> points;
    std::vector<std::string> repeats;
};
