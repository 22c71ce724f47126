#pragma once

#include "LevelMeasure.h"

#include <chrono>
#include <iosfwd>
#include <string>
#include <vector>

// Weighs a run of levels as one game, in the order given (see LevelMeasure for what is measured of each),
// and judges whether the difficulty rises the way a player can follow and whether a level repeats one
// before it (see RepeatSearch). Levels are measured side by side, one process per processor.
class DifficultyCurve
{
public:
    // The rules of a curve a player can feel. The first levels teach, so many single hearts win them, in
    // percent of the spots tried. After them the share of winning single hearts may only rise this much
    // from one level to the next, in points of percent: shifting the grid by half a cell moves no shipped
    // level's share by more, so a smaller rise cannot be told from the grid's own noise. Of two levels in
    // a row measured by pairs, the later may be won by more pairs only within the noise of drawing them:
    // twice the square root of the count before, two standard deviations of a count of rare wins. Every
    // solution must win this share of its nudged trials, in percent.
    static constexpr int teachingLevels = 3;
    static constexpr double leastTeachingPercent = 10;
    static constexpr double mostRisePercent = 2;
    static constexpr double pairNoiseDeviations = 2;
    static constexpr int leastTolerancePercent = 80;

    // `shifted` moves the single hearts' grid by half a cell and draws the pairs from the next seed, to
    // show how much a level's figures owe to the grid and the draw.
    DifficultyCurve(std::chrono::steady_clock::time_point deadline, bool shifted);

    // Measures the levels (readable files) and adds them after the ones added before; returns how many
    // were added, in order, before the deadline stopped the measuring. Throws when a measuring process
    // failed.
    std::size_t add(const std::vector<std::string>& levelFiles);
    // Replays every level's solution on the levels after it; false when the deadline stopped it.
    bool findRepeats();

    // One line per level, then a line for each rule broken.
    void write(std::ostream& out) const;
    // The rules each level breaks, as sentences; empty when the curve is fine.
    std::vector<std::string> findBreaks() const;

private:
    void addBreaksOf(std::size_t index, std::vector<std::string>& breaks) const;
    // The most pairs a level may be won by after a level won by `before` pairs.
    static int mostPairsAfter(int before);

    std::chrono::steady_clock::time_point deadline;
    bool shifted;
    std::vector<LevelMeasure> measures;
    std::vector<std::string> repeats;
};
