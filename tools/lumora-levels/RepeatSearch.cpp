#include "RepeatSearch.h"

#include "PacedPlay.h"
#include "PlayOutcome.h"
#include "PrintableText.h"

#include "world/World.h"

#include <algorithm>

RepeatSearch::RepeatSearch(std::chrono::steady_clock::time_point searchDeadline) : deadline(searchDeadline) {}

void RepeatSearch::add(const std::string& levelFile, const std::vector<HeartPlacement>& solution)
{
    levelFiles.push_back(levelFile);
    solutions.push_back(solution);
}

bool RepeatSearch::find(std::vector<std::string>& repeats) const
{
    for (std::size_t solved = 0; solved < levelFiles.size(); ++solved)
        for (std::size_t winner = 0; winner < solved; ++winner)
        {
            if (solutions[winner].empty())
                continue;
            const PacedPlay play(levelFiles[solved]);
            for (const Mirror mirror : mirrors)
            {
                const std::vector<HeartPlacement> image = imageOf(solutions[winner], mirror);
                if (!std::all_of(image.begin(), image.end(),
                                 [](const HeartPlacement& heart) { return heart.isPlaceable(); }))
                    continue;
                const PlayOutcome outcome = play.play(image, PacedPlay::Ending::AtGoal, deadline);
                if (outcome.outOfTime)
                    return false;
                if (!outcome.solved)
                    continue;
                repeats.push_back(printable(levelFiles[solved]) + ": won by the solution of " +
                                  printable(levelFiles[winner]) + describe(mirror) +
                                  ", an earlier level: the same idea again");
                break;
            }
        }
    return true;
}

std::vector<HeartPlacement> RepeatSearch::imageOf(std::vector<HeartPlacement> hearts, Mirror mirror)
{
    for (HeartPlacement& heart : hearts)
    {
        if (mirror == Mirror::LeftRight || mirror == Mirror::HalfTurn)
            heart.x = World::fieldWidth - heart.x;
        if (mirror == Mirror::TopBottom || mirror == Mirror::HalfTurn)
            heart.y = World::fieldHeight - heart.y;
    }
    return hearts;
}

const char* RepeatSearch::describe(Mirror mirror)
{
    switch (mirror)
    {
    case Mirror::LeftRight:
        return " mirrored left to right";
    case Mirror::TopBottom:
        return " mirrored top to bottom";
    case Mirror::HalfTurn:
        return " turned half round";
    case Mirror::None:
        break;
    }
    return "";
}
