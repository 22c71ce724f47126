#pragma once

#include <optional>
#include <string>
#include <vector>

// What a proof of a level came to: the result line of the level tool's prove command read into fields (the
// tool's usage spells the line out), or why there is none.
struct ProofResult
{
    enum class Verdict
    {
        // A fault of the level: the flow reaches the planets with no heart at all.
        WonWithoutHearts,
        // No hearts were found that win it within the time.
        Unsolved,
        Solved,
        // The tool could not be run or gave no result; `problem` says why.
        Failed
    };

    // The tool's result line; nothing when the line is not one.
    static std::optional<ProofResult> parse(const std::string& line);
    static ProofResult failure(std::string why);

    Verdict verdict = Verdict::Failed;
    // Solved: the hearts that win; Unsolved: the hearts of the best try.
    int hearts = 0;
    // Captured with them by the end of the flow.
    int captured = 0;
    // Solved: the hearts in placing order, as LevelDraft::solution holds them ("light 400 300 dark 120 80").
    std::string solution;
    // Solved: whether the time left was enough to measure it; the figures below are measured ones only then.
    bool measured = false;
    // Of the trials with every heart nudged a little, how many still win, and how many there were.
    int steadyTrials = 0;
    int nudgeTrials = 0;
    // Per kind of HeartKinds, in its order: the percent of single hearts of that kind that win.
    std::vector<double> singlePercent;
    // Single hearts of every kind that win, and the pairs that win when the level was measured by pairs.
    int singleWins = 0;
    std::optional<int> pairWins;
    // Failed: why, in words.
    std::string problem;
};
