#pragma once

#include <chrono>
#include <iosfwd>
#include <string>

// Proves a level for its maker in one run within one time budget: searches for hearts that win it
// (LevelSolver), then weighs it as curve weighs a level (LevelMeasure) with the hearts found as its solution.
// While it works it writes a progress line every progressInterval, and at the end one result line: words and
// key=value pairs, made to be read by a program (the game's editor runs it as a child):
//     progress FRACTION PHASE      the share of the budget spent, 0.00 to 1.00; PHASE solving or measuring
//     result wonwithout            the level is won with no heart at all
//     result unsolved captured=N hearts=H
//                                  nothing found wins; the best try captured N with H hearts
//     result solved hearts=H captured=N tolerance=S/T light=P dark=P singles=W pairs=C solution=HEARTS
//                                  H hearts win, capturing N by the end of the flow; S of T nudged trials win
//                                  too; P % of single hearts of each kind and W in all win; C pairs win (-
//                                  when not measured, as curve); HEARTS as on a SOLUTION line, after its
//                                  keyword, to the end of the line
//     result unmeasured hearts=H captured=N solution=HEARTS
//                                  solved as above, but the budget ended before the measuring did
class LevelProof
{
public:
    // Of the budget, the share the search may take; the measuring has the rest.
    static constexpr double searchShare = 0.5;
    static constexpr std::chrono::milliseconds progressInterval{250};
    // The solver's seed: a proof of the same level in the same time finds much the same hearts.
    static constexpr int searchSeed = 1;

    LevelProof(std::string levelFile, std::chrono::milliseconds budget);

    // Proves the level, a readable file, writing progress and result lines to `out` as they come.
    void run(std::ostream& out);

private:
    // Runs the work on a thread of its own, writing progress until it is done, and returns what it returns.
    template <typename Work>
    auto withProgress(const char* phase, Work work, std::ostream& out) -> decltype(work());
    void writeProgress(const char* phase, std::ostream& out) const;

    std::string levelFile;
    std::chrono::milliseconds budget;
    std::chrono::steady_clock::time_point start;
};
