#include "DifficultyCurve.h"

#include "HeartGrid.h"
#include "PacedPlay.h"
#include "PlayOutcome.h"
#include "PrintableText.h"
#include "RepeatSearch.h"
#include "Solution.h"

#include "engine/Handle.h"
#include "world/LevelReport.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <ostream>
#include <random>
#include <sstream>

namespace
{
// Nudges go in whole degrees.
constexpr unsigned long degreesPerTurn = 360;
constexpr double radiansPerDegree = 3.14159265358979323846 / 180;
constexpr double percent = 100;

std::string percentText(double value)
{
    std::ostringstream text;
    text << std::fixed << std::setprecision(1) << value << " %";
    return text.str();
}
} // namespace

DifficultyCurve::DifficultyCurve(std::chrono::steady_clock::time_point measureDeadline, bool shifted)
    : deadline(measureDeadline), gridShift(shifted ? 1 : 0)
{
}

bool DifficultyCurve::add(const std::string& levelFile)
{
    LevelReport report;
    const Handle<World> world(new World());
    world->load(levelFile, &report);

    Point point;
    point.levelFile = levelFile;
    const PlayOutcome withoutHearts = PacedPlay(levelFile).play({}, PacedPlay::Ending::AtGoal, deadline);
    point.wonWithoutHearts = withoutHearts.solved;
    if (withoutHearts.outOfTime || !countSingleWins(point) || !replaySolution(point, report.remarks))
        return false;
    if (point.singlePercent() < fewSinglesPercent && !countPairWins(point))
        return false;
    points.push_back(point);
    return true;
}

bool DifficultyCurve::countSingleWins(Point& point) const
{
    const HeartGrid grid(singleStep, singleStep / 2 + gridShift * singleStep / 2);
    const PacedPlay play(point.levelFile);
    point.spots = grid.countSpots();
    for (const HeartPlacement& heart : grid.hearts())
    {
        const PlayOutcome outcome = play.play({heart}, PacedPlay::Ending::AtGoal, deadline);
        if (outcome.outOfTime)
            return false;
        point.singleWins[heart.kind] += outcome.solved ? 1 : 0;
    }
    return true;
}

bool DifficultyCurve::countPairWins(Point& point) const
{
    const std::vector<HeartPlacement> hearts =
        HeartGrid(pairStep, pairStep / 2 + gridShift * pairStep / 2).hearts();
    const PacedPlay play(point.levelFile);
    int wins = 0;
    for (const HeartPlacement& first : hearts)
        for (const HeartPlacement& second : hearts)
        {
            const PlayOutcome outcome = play.play({first, second}, PacedPlay::Ending::AtGoal, deadline);
            if (outcome.outOfTime)
                return false;
            wins += outcome.solved ? 1 : 0;
        }
    point.pairWins = wins;
    return true;
}

// Replays the recorded solution as written, then nudged; a solution that fails as written is not nudged.
bool DifficultyCurve::replaySolution(Point& point, const std::string& remarks) const
{
    const Solution solution = Solution::findIn(remarks);
    if (!solution.isRecorded())
    {
        point.solutionProblem = "no SOLUTION line";
        return true;
    }
    if (!solution.getProblem().empty())
    {
        point.solutionProblem = "its SOLUTION line cannot be read: " + printable(solution.getProblem());
        return true;
    }
    const PacedPlay play(point.levelFile);
    const PlayOutcome asWritten = play.play(solution.getHearts(), PacedPlay::Ending::AtGoal, deadline);
    if (asWritten.outOfTime)
        return false;
    point.solution = solution.getHearts();
    if (!asWritten.solved)
    {
        point.solutionProblem = "its solution does not win";
        return true;
    }
    std::mt19937 chance(nudgeSeed);
    for (int trial = 0; trial < nudgeTrials; ++trial)
    {
        std::vector<HeartPlacement> hearts = point.solution;
        for (HeartPlacement& heart : hearts)
        {
            const unsigned long angleDraw = chance();
            heart = nudged(heart, angleDraw, chance());
        }
        const PlayOutcome outcome = play.play(hearts, PacedPlay::Ending::AtGoal, deadline);
        if (outcome.outOfTime)
            return false;
        point.steadyTrials += outcome.solved ? 1 : 0;
    }
    return true;
}

HeartPlacement DifficultyCurve::nudged(HeartPlacement heart, unsigned long angleDraw,
                                       unsigned long distanceDraw)
{
    const double angle = static_cast<double>(angleDraw % degreesPerTurn) * radiansPerDegree;
    const double distance = static_cast<double>(distanceDraw % (nudgeUnits + 1));
    heart.x += static_cast<int>(std::lround(distance * std::cos(angle)));
    heart.y += static_cast<int>(std::lround(distance * std::sin(angle)));
    return heart;
}

bool DifficultyCurve::findRepeats()
{
    RepeatSearch search(deadline);
    for (const Point& point : points)
        search.add(point.levelFile,
                   point.solutionProblem.empty() ? point.solution : std::vector<HeartPlacement>());
    repeats.clear();
    return search.find(repeats);
}

double DifficultyCurve::Point::percentOf(int wins) const
{
    return spots == 0 ? 0 : percent * wins / spots;
}

double DifficultyCurve::Point::singlePercent() const
{
    int wins = 0;
    for (const auto& [kind, count] : singleWins)
        wins += count;
    return percentOf(wins);
}

void DifficultyCurve::write(std::ostream& out) const
{
    std::size_t nameWidth = std::string("level").size();
    for (const Point& point : points)
        nameWidth = std::max(nameWidth, printable(point.levelFile).size());
    out << std::left << std::setw(static_cast<int>(nameWidth)) << "level" << std::right;
    for (const HeartPlacement::Kind kind : HeartPlacement::kinds)
        out << std::setw(7) << HeartPlacement::nameOf(kind);
    out << "  pairs  hearts  tolerance\n";
    for (const Point& point : points)
    {
        out << std::left << std::setw(static_cast<int>(nameWidth)) << printable(point.levelFile) << std::right
            << std::fixed << std::setprecision(1);
        for (const HeartPlacement::Kind kind : HeartPlacement::kinds)
            out << std::setw(7)
                << point.percentOf(point.singleWins.count(kind) ? point.singleWins.at(kind) : 0);
        out << std::setw(7);
        if (point.pairWins)
            out << *point.pairWins;
        else
            out << '-';
        if (point.solutionProblem.empty())
            out << std::setw(8) << point.solution.size() << std::setw(8) << point.steadyTrials << '/'
                << nudgeTrials;
        else
            out << std::setw(8) << '-' << std::setw(11) << '-';
        out << '\n';
    }
    for (const std::string& sentence : findBreaks())
        out << "BREAK: " << sentence << '\n';
}

std::vector<std::string> DifficultyCurve::findBreaks() const
{
    std::vector<std::string> breaks;
    for (std::size_t index = 0; index < points.size(); ++index)
        addBreaksOf(index, breaks);
    breaks.insert(breaks.end(), repeats.begin(), repeats.end());
    return breaks;
}

void DifficultyCurve::addBreaksOf(std::size_t index, std::vector<std::string>& breaks) const
{
    const Point& point = points[index];
    const std::string name = printable(point.levelFile) + ": ";
    if (point.wonWithoutHearts)
        breaks.push_back(name + "won without any heart");
    if (!point.solutionProblem.empty())
        breaks.push_back(name + point.solutionProblem);
    else if (point.steadyTrials * 100 < leastTolerancePercent * nudgeTrials)
        breaks.push_back(name + "its solution wins only " + std::to_string(point.steadyTrials) + " of " +
                         std::to_string(nudgeTrials) + " trials with hearts up to " +
                         std::to_string(nudgeUnits) + " units off, fewer than " +
                         std::to_string(leastTolerancePercent) + " %");
    for (std::size_t heart = 0; heart < point.solution.size(); ++heart)
        if (!point.solution[heart].isPlaceable())
            breaks.push_back(name + "a player cannot place solution heart " + std::to_string(heart + 1) +
                             " there (under the bar, below y " + std::to_string(HeartPlacement::lowestY) +
                             ", or off the field)");
    if (index < teachingLevels)
    {
        if (point.singlePercent() < leastTeachingPercent)
            breaks.push_back(name + "one of the first " + std::to_string(teachingLevels) +
                             " levels, won by " + percentText(point.singlePercent()) +
                             " of single hearts, fewer than " + percentText(leastTeachingPercent));
        return;
    }
    const Point& before = points[index - 1];
    if (point.singlePercent() > before.singlePercent() + mostRisePercent)
        breaks.push_back(name + "won by " + percentText(point.singlePercent()) + " of single hearts after " +
                         percentText(before.singlePercent()) + " for the level before, a rise of more than " +
                         std::to_string(static_cast<int>(mostRisePercent)) + " points");
    if (point.pairWins && before.pairWins && *point.pairWins > *before.pairWins)
        breaks.push_back(name + "won by " + std::to_string(*point.pairWins) + " pairs of hearts after " +
                         std::to_string(*before.pairWins) + " for the level before");
}
