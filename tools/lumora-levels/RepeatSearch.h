#pragma once

#include "HeartPlacement.h"

#include <chrono>
#include <string>
#include <vector>

// Looks for levels of a game that tell one idea twice: a level that the recorded solution of a level before
// it, as written or mirrored, also wins, so that a player who remembers the earlier answer needs no new
// one. (A later solution that wins an earlier, easier level says nothing: many hearts win that.) The field
// plays the same mirrored left to right (x to 800 - x) or top to bottom (y to 600 - y), since its bodies pull
// alike in every direction and its edges lie as far out on every side; only the bar at the bottom breaks the
// symmetry, so an image that would put a heart under it is not tried.
class RepeatSearch
{
public:
    explicit RepeatSearch(std::chrono::steady_clock::time_point deadline);

    // Adds a level after those added before, with the solution that wins it, or with none.
    void add(const std::string& levelFile, const std::vector<HeartPlacement>& solution);
    // Replays every solution, and its images, on every level added after it; one sentence per level that
    // an earlier solution wins. False when the deadline stopped the search before its end.
    bool find(std::vector<std::string>& repeats) const;

private:
    enum class Mirror
    {
        None,
        LeftRight,
        TopBottom,
        HalfTurn
    };
    static constexpr Mirror mirrors[] = {Mirror::None, Mirror::LeftRight, Mirror::TopBottom,
                                         Mirror::HalfTurn};

    static std::vector<HeartPlacement> imageOf(std::vector<HeartPlacement> hearts, Mirror mirror);
    static const char* describe(Mirror mirror);

    std::chrono::steady_clock::time_point deadline;
    std::vector<std::string> levelFiles;
    std::vector<std::vector<HeartPlacement>> solutions;
};
