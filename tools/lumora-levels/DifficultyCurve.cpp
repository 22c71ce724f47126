#include "DifficultyCurve.h"

#include "ParallelJobs.h"
#include "PrintableText.h"
#include "RepeatSearch.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <optional>
#include <ostream>
#include <sstream>
#include <stdexcept>

namespace
{
// What a job sends back for a level whose measuring the deadline stopped.
constexpr char stoppedText[] = "stopped";

std::string percentText(double value)
{
    std::ostringstream text;
    text << std::fixed << std::setprecision(1) << value << " %";
    return text.str();
}
} // namespace

DifficultyCurve::DifficultyCurve(std::chrono::steady_clock::time_point measureDeadline, bool shiftedGrids)
    : deadline(measureDeadline), shifted(shiftedGrids)
{
}

std::size_t DifficultyCurve::add(const std::vector<std::string>& levelFiles)
{
    const std::vector<std::optional<std::string>> texts =
        ParallelJobs::run(levelFiles.size(),
                          [&](std::size_t index)
                          {
                              const std::optional<LevelMeasure> measure =
                                  LevelMeasure::take(levelFiles[index], deadline, shifted);
                              return measure ? measure->toText() : std::string(stoppedText);
                          });
    for (std::size_t index = 0; index < levelFiles.size(); ++index)
    {
        if (!texts[index])
            throw std::runtime_error("the process measuring " + printable(levelFiles[index]) + " failed");
        const std::optional<LevelMeasure> measure = LevelMeasure::fromText(levelFiles[index], *texts[index]);
        if (!measure)
            return index;
        measures.push_back(*measure);
    }
    return levelFiles.size();
}

bool DifficultyCurve::findRepeats()
{
    RepeatSearch search(deadline);
    for (const LevelMeasure& measure : measures)
        search.add(measure.levelFile,
                   measure.solutionProblem.empty() ? measure.solution : std::vector<HeartPlacement>());
    repeats.clear();
    return search.find(repeats);
}

void DifficultyCurve::write(std::ostream& out) const
{
    std::size_t nameWidth = std::string("level").size();
    for (const LevelMeasure& measure : measures)
        nameWidth = std::max(nameWidth, printable(measure.levelFile).size());
    out << std::left << std::setw(static_cast<int>(nameWidth)) << "level" << std::right;
    for (const HeartPlacement::Kind kind : HeartPlacement::kinds)
        out << std::setw(7) << HeartPlacement::nameOf(kind);
    out << "  pairs  hearts  tolerance\n";
    for (const LevelMeasure& measure : measures)
    {
        out << std::left << std::setw(static_cast<int>(nameWidth)) << printable(measure.levelFile)
            << std::right << std::fixed << std::setprecision(1);
        for (const HeartPlacement::Kind kind : HeartPlacement::kinds)
            out << std::setw(7) << measure.singlePercent(kind);
        out << std::setw(7);
        if (measure.pairWins)
            out << *measure.pairWins;
        else
            out << '-';
        if (measure.solutionProblem.empty())
            out << std::setw(8) << measure.solution.size() << std::setw(8) << measure.steadyTrials << '/'
                << LevelMeasure::nudgeTrials;
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
    for (std::size_t index = 0; index < measures.size(); ++index)
        addBreaksOf(index, breaks);
    breaks.insert(breaks.end(), repeats.begin(), repeats.end());
    return breaks;
}

void DifficultyCurve::addBreaksOf(std::size_t index, std::vector<std::string>& breaks) const
{
    const LevelMeasure& measure = measures[index];
    const std::string name = printable(measure.levelFile) + ": ";
    if (measure.wonWithoutHearts)
        breaks.push_back(name + "won without any heart");
    if (!measure.solutionProblem.empty())
        breaks.push_back(name + measure.solutionProblem);
    else if (measure.steadyTrials * 100 < leastTolerancePercent * LevelMeasure::nudgeTrials)
        breaks.push_back(name + "its solution wins only " + std::to_string(measure.steadyTrials) + " of " +
                         std::to_string(LevelMeasure::nudgeTrials) + " trials with hearts up to " +
                         std::to_string(LevelMeasure::nudgeUnits) + " units off, fewer than " +
                         std::to_string(leastTolerancePercent) + " %");
    for (std::size_t heart = 0; heart < measure.solution.size(); ++heart)
        if (!measure.solution[heart].isPlaceable())
            breaks.push_back(name + "a player cannot place solution heart " + std::to_string(heart + 1) +
                             " there (under the bar, below y " + std::to_string(HeartPlacement::lowestY) +
                             ", or off the field)");
    if (index < teachingLevels)
    {
        if (measure.singlePercent() < leastTeachingPercent)
            breaks.push_back(name + "one of the first " + std::to_string(teachingLevels) +
                             " levels, won by " + percentText(measure.singlePercent()) +
                             " of single hearts, fewer than " + percentText(leastTeachingPercent));
        return;
    }
    const LevelMeasure& before = measures[index - 1];
    if (measure.singlePercent() > before.singlePercent() + mostRisePercent)
        breaks.push_back(name + "won by " + percentText(measure.singlePercent()) +
                         " of single hearts after " + percentText(before.singlePercent()) +
                         " for the level before, a rise of more than " +
                         std::to_string(static_cast<int>(mostRisePercent)) + " points");
    if (measure.pairWins && before.pairWins && *measure.pairWins > mostPairsAfter(*before.pairWins))
        breaks.push_back(name + "won by " + std::to_string(*measure.pairWins) + " pairs of hearts after " +
                         std::to_string(*before.pairWins) + " for the level before, more than the " +
                         std::to_string(mostPairsAfter(*before.pairWins)) + " their drawing can explain");
}

int DifficultyCurve::mostPairsAfter(int before)
{
    return before + static_cast<int>(pairNoiseDeviations * std::sqrt(static_cast<double>(before)));
}
