#pragma once

#include "HeartPlacement.h"

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

// How hard one level is, as DifficultyCurve weighs it: the share of single hearts on a fine grid that win
// it (the easier the level, the more); for a level that few single hearts win, how many pairs of hearts on
// a coarse grid win it; how many hearts its recorded solution places, and how often that solution still
// wins when every heart lands a little off, as a person's clicks do. Every play stops at a deadline, and
// the measuring with it. A measure travels between processes as text.
class LevelMeasure
{
public:
    // Single hearts, each placed after one second as the first heart of a paced play: one every this many
    // units over the field a player can reach.
    static constexpr int singleStep = 20;
    // Pairs, placed after one and two seconds, for a level won by fewer single hearts than this share, in
    // percent: every ordered pair of cells, this many units square, of a grid over the field a player can
    // reach, and of kinds of heart, each heart at a spot drawn at random in its cell. Drawn spots, not the
    // cells' centres: a winning lane narrower than a cell would otherwise count fully or not at all by
    // where the grid happens to fall. The draws come from a fixed seed, so a level's count depends on it
    // alone.
    static constexpr double fewSinglesPercent = 2;
    static constexpr int pairStep = 100;
    static constexpr unsigned pairSeed = 1;
    // Trials of the recorded solution with every heart moved up to this many units in a random direction,
    // drawn from a fixed seed that each level starts afresh, so a level's figure depends on it alone.
    static constexpr int nudgeTrials = 20;
    static constexpr int nudgeUnits = 10;
    static constexpr unsigned nudgeSeed = 1;

    // Measures the level (a readable file), with the single hearts' grid moved by half a cell and the
    // pairs drawn from the next seed when `shifted`; nothing when the deadline stopped it.
    static std::optional<LevelMeasure> take(const std::string& levelFile,
                                            std::chrono::steady_clock::time_point deadline, bool shifted);
    // Measures the level as take() does, unshifted, with these hearts as its solution in place of any its
    // remarks record.
    static std::optional<LevelMeasure> takeWith(const std::string& levelFile,
                                                const std::vector<HeartPlacement>& solution,
                                                std::chrono::steady_clock::time_point deadline);

    // The measure as text, and back; nothing for text that is not one.
    std::string toText() const;
    static std::optional<LevelMeasure> fromText(const std::string& levelFile, const std::string& text);

    // Single hearts of the kind that win, in percent of the spots tried.
    double singlePercent(HeartPlacement::Kind kind) const;
    // Single hearts of every kind that win, in percent of the spots.
    double singlePercent() const;

    std::string levelFile;
    std::map<HeartPlacement::Kind, int> singleWins;
    int spots = 0;
    // Measured only for a level that few single hearts win.
    std::optional<int> pairWins;
    bool wonWithoutHearts = false;
    // Why the recorded solution cannot count, ready to print; empty when it was replayed and won.
    std::string solutionProblem;
    std::vector<HeartPlacement> solution;
    int steadyTrials = 0;

private:
    // Measures the level with the solution of the remarks given.
    static std::optional<LevelMeasure> weigh(const std::string& levelFile, const std::string& remarks,
                                             std::chrono::steady_clock::time_point deadline, bool shifted);
    // Each returns false when the deadline stopped it.
    bool countSingleWins(std::chrono::steady_clock::time_point deadline, int offset);
    bool countPairWins(std::chrono::steady_clock::time_point deadline, unsigned seed);
    bool replaySolution(const std::string& remarks, std::chrono::steady_clock::time_point deadline);
    static HeartPlacement nudged(HeartPlacement heart, unsigned long angleDraw, unsigned long distanceDraw);
};
