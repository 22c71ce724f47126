#pragma once

#include "HeartPlacement.h"
#include "PlayOutcome.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// Plays a level the way a person would: one heart a second, in the order given, the k-th (from 1) placed
// just before step 100 x k, at the game's pace of 10 ms a step, for at most a minute of play. The level is
// solved at the step whose absorptions bring the count to the play phase's goal.
class PacedPlay
{
public:
    static constexpr int stepsPerHeart = 100;
    // 60 s of play at 10 ms a step.
    static constexpr int stepLimit = 6000;

    explicit PacedPlay(std::string levelFile);

    enum class Ending
    {
        // Stops as soon as the outcome is settled: at the goal, or once too few particles are left for it.
        AtGoal,
        // Plays on after the goal, to see how many the hearts capture in all: a margin beyond the goal.
        AtFlowEnd
    };

    // Plays from a fresh load until the flow is over or the limit is met, or the goal is reached; when a
    // deadline is given, also stops at the first step that ends after it, so that one play of a huge level
    // cannot overrun a time budget.
    PlayOutcome play(const std::vector<HeartPlacement>& hearts, Ending ending = Ending::AtGoal,
                     std::optional<std::chrono::steady_clock::time_point> deadline = std::nullopt) const;

private:
    std::string levelFile;
};
