#include "LevelProof.h"

#include "LevelMeasure.h"
#include "LevelSolver.h"
#include "Solution.h"

#include <algorithm>
#include <cstring>
#include <future>
#include <iomanip>
#include <numeric>
#include <ostream>
#include <utility>

LevelProof::LevelProof(std::string level, std::chrono::milliseconds time)
    : levelFile(std::move(level)), budget(time)
{
}

void LevelProof::run(std::ostream& out)
{
    start = std::chrono::steady_clock::now();
    LevelSolver solver(levelFile, searchSeed);
    const auto searchTime = std::chrono::duration_cast<std::chrono::milliseconds>(budget * searchShare);
    withProgress(
        "solving", [&] { solver.search(searchTime, std::nullopt); }, out);
    const PlayOutcome& outcome = solver.getBestOutcome();
    const std::vector<HeartPlacement>& hearts = solver.getBest();
    if (outcome.solved && hearts.empty())
    {
        out << "result wonwithout" << std::endl;
        return;
    }
    if (!outcome.solved)
    {
        out << "result unsolved captured=" << outcome.captured << " hearts=" << hearts.size() << std::endl;
        return;
    }
    const std::optional<LevelMeasure> measure = withProgress(
        "measuring", [&] { return LevelMeasure::takeWith(levelFile, hearts, start + budget); }, out);
    const std::string solution = Solution::lineFor(hearts).substr(std::strlen(Solution::keyword) + 1);
    if (!measure)
    {
        out << "result unmeasured hearts=" << hearts.size() << " captured=" << outcome.captured
            << " solution=" << solution << std::endl;
        return;
    }
    out << "result solved hearts=" << hearts.size() << " captured=" << outcome.captured
        << " tolerance=" << measure->steadyTrials << '/' << LevelMeasure::nudgeTrials << std::fixed
        << std::setprecision(1);
    int singles = 0;
    for (const HeartPlacement::Kind kind : HeartPlacement::kinds)
    {
        out << ' ' << HeartPlacement::nameOf(kind) << '=' << measure->singlePercent(kind);
        singles += measure->singleWins.count(kind) ? measure->singleWins.at(kind) : 0;
    }
    out << " singles=" << singles
        << " pairs=" << (measure->pairWins ? std::to_string(*measure->pairWins) : std::string("-"))
        << " solution=" << solution << std::endl;
}

template <typename Work>
auto LevelProof::withProgress(const char* phase, Work work, std::ostream& out) -> decltype(work())
{
    auto done = std::async(std::launch::async, work);
    do
        writeProgress(phase, out);
    while (done.wait_for(progressInterval) != std::future_status::ready);
    return done.get();
}

void LevelProof::writeProgress(const char* phase, std::ostream& out) const
{
    const double spent = std::chrono::duration<double>(std::chrono::steady_clock::now() - start) / budget;
    out << "progress " << std::fixed << std::setprecision(2) << std::min(spent, 1.0) << ' ' << phase
        << std::endl;
}
