#include "Solution.h"

#include "IntegerText.h"

#include "world/LevelRules.h"
#include "world/RemarkLines.h"

#include <algorithm>
#include <sstream>

Solution Solution::findIn(const std::string& remarks)
{
    Solution solution;
    const std::vector<std::string> lines = remarkLines(remarks, keyword);
    if (lines.empty())
        return solution;
    solution.recorded = true;
    solution.readEntries(lines.front());
    if (lines.size() > 1)
        solution.problem = "more than one SOLUTION line";
    else if (solution.problem.empty())
        solution.checkSupply();
    return solution;
}

std::string Solution::lineFor(const std::vector<HeartPlacement>& hearts)
{
    std::string line = keyword;
    for (const HeartPlacement& heart : hearts)
        line += std::string(" ") + HeartPlacement::nameOf(heart.kind) + ' ' + std::to_string(heart.x) + ' ' +
                std::to_string(heart.y);
    return line;
}

bool Solution::isRecorded() const
{
    return recorded;
}

const std::string& Solution::getProblem() const
{
    return problem;
}

const std::vector<HeartPlacement>& Solution::getHearts() const
{
    return hearts;
}

void Solution::readEntries(const std::string& line)
{
    std::istringstream words(line);
    std::string kind;
    std::string x;
    std::string y;
    while (words >> kind)
    {
        const std::optional<HeartPlacement::Kind> kindRead = HeartPlacement::kindNamed(kind);
        if (!kindRead)
        {
            problem = "\"" + kind + "\" is not a heart (" + HeartPlacement::kindNames() + ")";
            return;
        }
        x.clear();
        y.clear();
        words >> x >> y;
        const std::optional<int> xRead = parseInteger(x);
        const std::optional<int> yRead = parseInteger(y);
        if (!xRead || !yRead)
        {
            const std::string given = y.empty() ? x : x + " " + y;
            problem = "heart " + std::to_string(hearts.size() + 1) + " (" + kind +
                      ") needs whole numbers X Y, not \"" + given + "\"";
            return;
        }
        hearts.push_back(HeartPlacement{*kindRead, *xRead, *yRead});
    }
    if (hearts.empty())
        problem = "the SOLUTION line lists no hearts";
}

// A heart beyond the supply would be ignored by the game, so the line would not mean what it says.
void Solution::checkSupply()
{
    for (const HeartPlacement::Kind kind : HeartPlacement::kinds)
        if (std::count_if(hearts.begin(), hearts.end(),
                          [kind](const HeartPlacement& heart)
                          { return heart.kind == kind; }) > HeartKinds::all[kind].supply)
            problem = "a level gives only " + std::to_string(HeartKinds::all[kind].supply) + " " +
                      HeartPlacement::nameOf(kind) + " hearts";
}
