#include "DifficultyCurve.h"

#include "PacedPlay.h"
#include "PlayOutcome.h"
#include "Solution.h"

#include "engine/Handle.h"
#include "world/HeartKinds.h"
#include "world/LevelReport.h"
#include "world/LevelRules.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iomanip>
#include <ostream>
#include <random>

namespace
{
// Nudges go in whole degrees.
constexpr unsigned long degreesPerTurn = 360;
constexpr double radiansPerDegree = 3.14159265358979323846 / 180;
} // namespace

void DifficultyCurve::add(const std::string& levelFile)
{
    LevelReport report;
    const Handle<World> world(new World());
    world->load(levelFile, &report);

    Point point;
    point.levelFile = levelFile;
    point.wonWithoutHearts = PacedPlay(levelFile).play({}).solved;
    countGridWins(point);
    replaySolution(point, report.remarks);
    points.push_back(point);
}

void DifficultyCurve::countGridWins(Point& point)
{
    const PacedPlay play(point.levelFile);
    for (int x = gridStep / 2; x < World::fieldWidth; x += gridStep)
        for (int y = gridStep / 2; y < World::fieldHeight; y += gridStep)
        {
            if (y < gridLowestY)
                continue;
            for (std::size_t kind = 0; kind < HeartKinds::count; ++kind)
                point.wins[kind] += play.play({HeartPlacement{kind, x, y}}).solved ? 1 : 0;
        }
}

// Replays the recorded solution as written, then nudged; a solution that fails as written is not nudged.
void DifficultyCurve::replaySolution(Point& point, const std::string& remarks)
{
    const Solution solution = Solution::findIn(remarks);
    if (!solution.isRecorded())
    {
        point.solutionProblem = "no SOLUTION line";
        return;
    }
    if (!solution.getProblem().empty())
    {
        point.solutionProblem = "its SOLUTION line cannot be read: " + solution.getProblem();
        return;
    }
    point.solution = solution.getHearts();
    const PacedPlay play(point.levelFile);
    if (!play.play(point.solution).solved)
    {
        point.solutionProblem = "its solution does not win";
        return;
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
        point.steadyTrials += play.play(hearts).solved ? 1 : 0;
    }
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

void DifficultyCurve::write(std::ostream& out) const
{
    std::size_t nameWidth = std::string("level").size();
    for (const Point& point : points)
        nameWidth = std::max(nameWidth, point.levelFile.size());
    out << std::left << std::setw(static_cast<int>(nameWidth)) << "level" << std::right;
    for (const HeartKind& kind : HeartKinds::all)
        out << "  " << kind.name;
    out << "  hearts  tolerance\n";
    for (const Point& point : points)
    {
        out << std::left << std::setw(static_cast<int>(nameWidth)) << point.levelFile << std::right;
        for (std::size_t kind = 0; kind < HeartKinds::count; ++kind)
            out << std::setw(static_cast<int>(std::strlen(HeartKinds::all[kind].name)) + 2)
                << point.wins[kind];
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
    return breaks;
}

void DifficultyCurve::addBreaksOf(std::size_t index, std::vector<std::string>& breaks) const
{
    const Point& point = points[index];
    const std::string name = point.levelFile + ": ";
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
        if (!LevelRules::isPlaceable(point.solution[heart].x, point.solution[heart].y))
            breaks.push_back(name + "a player cannot place solution heart " + std::to_string(heart + 1) +
                             " there (on the bar, below y " + std::to_string(LevelRules::lowestHeartY) +
                             ", or off the field)");
    if (index < teachingLevels)
    {
        if (point.gridWins() < manyPlacements)
            breaks.push_back(name + "one of the first " + std::to_string(teachingLevels) +
                             " levels, won by " + std::to_string(point.gridWins()) +
                             " single hearts, fewer than " + std::to_string(manyPlacements));
        return;
    }
    const int before = points[index - 1].gridWins();
    if (point.gridWins() > before + mostRise)
        breaks.push_back(name + "won by " + std::to_string(point.gridWins()) + " single hearts after " +
                         std::to_string(before) + " for the level before, a rise of more than " +
                         std::to_string(mostRise));
}
