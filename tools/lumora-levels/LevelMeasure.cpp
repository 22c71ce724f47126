#include "LevelMeasure.h"

#include "HeartGrid.h"
#include "PacedPlay.h"
#include "PlayOutcome.h"
#include "PrintableText.h"
#include "Solution.h"

#include "engine/Handle.h"
#include "world/LevelReport.h"
#include "world/World.h"

#include <cmath>
#include <random>
#include <sstream>

namespace
{
// Nudges go in whole degrees.
constexpr unsigned long degreesPerTurn = 360;
constexpr double radiansPerDegree = 3.14159265358979323846 / 180;
constexpr double percent = 100;
// The pair count of a level that was not measured by pairs, in the measure's text.
constexpr int noPairs = -1;
} // namespace

std::optional<LevelMeasure> LevelMeasure::take(const std::string& levelFile,
                                               std::chrono::steady_clock::time_point deadline, bool shifted)
{
    LevelReport report;
    const Handle<World> world(new World());
    world->load(levelFile, &report);
    return weigh(levelFile, report.remarks, deadline, shifted);
}

std::optional<LevelMeasure> LevelMeasure::takeWith(const std::string& levelFile,
                                                   const std::vector<HeartPlacement>& solution,
                                                   std::chrono::steady_clock::time_point deadline)
{
    return weigh(levelFile, Solution::lineFor(solution), deadline, false);
}

std::optional<LevelMeasure> LevelMeasure::weigh(const std::string& levelFile, const std::string& remarks,
                                                std::chrono::steady_clock::time_point deadline, bool shifted)
{
    LevelMeasure measure;
    measure.levelFile = levelFile;
    const PlayOutcome withoutHearts = PacedPlay(levelFile).play({}, PacedPlay::Ending::AtGoal, deadline);
    measure.wonWithoutHearts = withoutHearts.solved;
    const int shift = shifted ? 1 : 0;
    if (withoutHearts.outOfTime || !measure.countSingleWins(deadline, singleStep / 2 * (1 + shift)) ||
        !measure.replaySolution(remarks, deadline))
        return std::nullopt;
    if (measure.singlePercent() < fewSinglesPercent &&
        !measure.countPairWins(deadline, pairSeed + static_cast<unsigned>(shift)))
        return std::nullopt;
    return measure;
}

std::string LevelMeasure::toText() const
{
    std::ostringstream text;
    text << wonWithoutHearts << ' ' << spots << ' ' << pairWins.value_or(noPairs) << ' ' << steadyTrials;
    for (const HeartPlacement::Kind kind : HeartPlacement::kinds)
        text << ' ' << (singleWins.count(kind) ? singleWins.at(kind) : 0);
    text << '\n' << Solution::lineFor(solution) << '\n' << solutionProblem;
    return text.str();
}

std::optional<LevelMeasure> LevelMeasure::fromText(const std::string& levelFile, const std::string& text)
{
    LevelMeasure measure;
    measure.levelFile = levelFile;
    std::istringstream lines(text);
    std::string figures;
    std::string solutionLine;
    int pairs = noPairs;
    std::getline(lines, figures);
    std::getline(lines, solutionLine);
    std::getline(lines, measure.solutionProblem);
    std::istringstream numbers(figures);
    numbers >> measure.wonWithoutHearts >> measure.spots >> pairs >> measure.steadyTrials;
    for (const HeartPlacement::Kind kind : HeartPlacement::kinds)
        numbers >> measure.singleWins[kind];
    if (!numbers)
        return std::nullopt;
    if (pairs != noPairs)
        measure.pairWins = pairs;
    measure.solution = Solution::findIn(solutionLine).getHearts();
    return measure;
}

double LevelMeasure::singlePercent(HeartPlacement::Kind kind) const
{
    const auto wins = singleWins.find(kind);
    return spots == 0 || wins == singleWins.end() ? 0 : percent * wins->second / spots;
}

double LevelMeasure::singlePercent() const
{
    double sum = 0;
    for (const HeartPlacement::Kind kind : HeartPlacement::kinds)
        sum += singlePercent(kind);
    return sum;
}

bool LevelMeasure::countSingleWins(std::chrono::steady_clock::time_point deadline, int offset)
{
    const HeartGrid grid(singleStep, offset);
    const PacedPlay play(levelFile);
    spots = grid.countSpots();
    for (const HeartPlacement& heart : grid.hearts())
    {
        const PlayOutcome outcome = play.play({heart}, PacedPlay::Ending::AtGoal, deadline);
        if (outcome.outOfTime)
            return false;
        singleWins[heart.kind] += outcome.solved ? 1 : 0;
    }
    return true;
}

bool LevelMeasure::countPairWins(std::chrono::steady_clock::time_point deadline, unsigned seed)
{
    std::vector<HeartPlacement> cells;
    for (int y = HeartPlacement::lowestY; y + pairStep <= World::fieldHeight; y += pairStep)
        for (int x = 0; x + pairStep <= World::fieldWidth; x += pairStep)
            for (const HeartPlacement::Kind kind : HeartPlacement::kinds)
                cells.push_back(HeartPlacement{kind, x, y});
    std::mt19937 chance(seed);
    std::uniform_int_distribution<int> withinCell(0, pairStep - 1);
    const PacedPlay play(levelFile);
    int wins = 0;
    for (const HeartPlacement& firstCell : cells)
        for (const HeartPlacement& secondCell : cells)
        {
            // Braced lists are evaluated in order, so the draws always fall in the same order.
            const HeartPlacement first{firstCell.kind, firstCell.x + withinCell(chance),
                                       firstCell.y + withinCell(chance)};
            const HeartPlacement second{secondCell.kind, secondCell.x + withinCell(chance),
                                        secondCell.y + withinCell(chance)};
            const PlayOutcome outcome = play.play({first, second}, PacedPlay::Ending::AtGoal, deadline);
            if (outcome.outOfTime)
                return false;
            wins += outcome.solved ? 1 : 0;
        }
    pairWins = wins;
    return true;
}

// Replays the recorded solution as written, then nudged; a solution that fails as written is not nudged.
bool LevelMeasure::replaySolution(const std::string& remarks, std::chrono::steady_clock::time_point deadline)
{
    const Solution recorded = Solution::findIn(remarks);
    if (!recorded.isRecorded())
    {
        solutionProblem = "no SOLUTION line";
        return true;
    }
    if (!recorded.getProblem().empty())
    {
        solutionProblem = "its SOLUTION line cannot be read: " + printable(recorded.getProblem());
        return true;
    }
    const PacedPlay play(levelFile);
    const PlayOutcome asWritten = play.play(recorded.getHearts(), PacedPlay::Ending::AtGoal, deadline);
    if (asWritten.outOfTime)
        return false;
    solution = recorded.getHearts();
    if (!asWritten.solved)
    {
        solutionProblem = "its solution does not win";
        return true;
    }
    std::mt19937 chance(nudgeSeed);
    for (int trial = 0; trial < nudgeTrials; ++trial)
    {
        std::vector<HeartPlacement> hearts = solution;
        for (HeartPlacement& heart : hearts)
        {
            const unsigned long angleDraw = chance();
            heart = nudged(heart, angleDraw, chance());
        }
        const PlayOutcome outcome = play.play(hearts, PacedPlay::Ending::AtGoal, deadline);
        if (outcome.outOfTime)
            return false;
        steadyTrials += outcome.solved ? 1 : 0;
    }
    return true;
}

HeartPlacement LevelMeasure::nudged(HeartPlacement heart, unsigned long angleDraw, unsigned long distanceDraw)
{
    const double angle = static_cast<double>(angleDraw % degreesPerTurn) * radiansPerDegree;
    const double distance = static_cast<double>(distanceDraw % (nudgeUnits + 1));
    heart.x += static_cast<int>(std::lround(distance * std::cos(angle)));
    heart.y += static_cast<int>(std::lround(distance * std::sin(angle)));
    return heart;
}
