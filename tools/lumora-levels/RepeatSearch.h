#pragma once

#include "HeartPlacement.h"

#include <chrono>
#include <string>
#include <vector>

// Looks for levels that tell one idea twice: a level whose recorded solution, as written or mirrored,
// also wins another. The field plays the same mirrored left to right (x to 800 - x) or top to bottom (y to
// 600 - y), since its bodies pull alike in every direction and its edges lie as far out on every side;
// only the bar at the bottom breaks the symmetry, so an image that would put a heart under it is not tried.
class RepeatSearch
{
public:
    explicit RepeatSearch(std::chrono::steady_clock::time_point deadline);

    // Adds a level, with the solution that wins it, or with none.
    void add(const std::string& levelFile, const std::vector<HeartPlacement>& solution);
    // Replays every solution, and its images, on every other level added; one sentence per level that
    // another's solution wins. False when the deadline stopped the search before its end.
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
