#pragma once

#include "HeartPlacement.h"
#include "PacedPlay.h"
#include "PlayOutcome.h"

#include <chrono>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

// Searches for hearts that complete a level at a person's pace (see PacedPlay), placed where a player can
// place them (above the heads-up bar): first greedily, adding the heart that helps most on a coarse grid
// one slot after another, then by small random changes to the best placement found, kept when they do no
// worse. A solution beats any failure; among solutions the one with fewer hearts wins, then the one
// capturing more by the end of the flow (a margin that forgives a person's aim), then the earlier; among
// failures the one capturing more, then with fewer hearts.
// Its random choices come from its own seeded generator, so a given number of trials always gives the
// same result.
class LevelSolver
{
public:
    LevelSolver(std::string levelFile, int seed);

    // Searches until the time is up or, when given, the trials are spent.
    void search(std::chrono::milliseconds time, std::optional<int> trials);

    // How many of the best placement's variants, each with one heart moved by `units` up, down, left or
    // right, still complete the level; and how many were tried.
    std::pair<int, int> countSteadyNudges(int units) const;

    const std::vector<HeartPlacement>& getBest() const;
    const PlayOutcome& getBestOutcome() const;
    int getTrials() const;

private:
    // Plays the placement and keeps it when it beats the best; returns its outcome.
    PlayOutcome tryPlacement(const std::vector<HeartPlacement>& hearts);
    static bool isBetter(const PlayOutcome& outcome, std::size_t hearts, const PlayOutcome& than,
                         std::size_t thanHearts);
    bool hasBudget() const;

    void addHeartsGreedily();
    void refine();
    std::vector<HeartPlacement> changed(std::vector<HeartPlacement> hearts);
    // A kind with hearts left, trying HeartPlacement::kinds from the one at `firstChoice` on.
    std::optional<HeartPlacement::Kind> kindWithSupply(const std::vector<HeartPlacement>& hearts,
                                                       std::size_t firstChoice) const;
    HeartPlacement randomHeart(HeartPlacement::Kind kind);

    PacedPlay play;
    std::mt19937 chance;
    std::chrono::steady_clock::time_point deadline;
    std::optional<int> trialLimit;
    int trials = 0;
    std::vector<HeartPlacement> best;
    PlayOutcome bestOutcome;
};
