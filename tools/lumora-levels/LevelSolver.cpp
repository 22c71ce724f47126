#include "LevelSolver.h"

#include "HeartGrid.h"

#include "world/LevelRules.h"
#include "world/World.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace
{
// The greedy grid: hearts this many units apart, half a step in from the edges.
constexpr int gridStep = 50;
// Changes that fail this many times in a row send the search on a bigger jump from the best.
constexpr int patience = 200;

int countOf(const std::vector<HeartPlacement>& hearts, HeartPlacement::Kind kind)
{
    return static_cast<int>(std::count_if(
        hearts.begin(), hearts.end(), [kind](const HeartPlacement& heart) { return heart.kind == kind; }));
}
} // namespace

LevelSolver::LevelSolver(std::string levelFile, int seed)
    : play(std::move(levelFile)), chance(static_cast<std::mt19937::result_type>(seed))
{
}

void LevelSolver::search(std::chrono::milliseconds time, std::optional<int> trialsAllowed)
{
    deadline = std::chrono::steady_clock::now() + time;
    trialLimit = trialsAllowed;
    trials = 0;
    best.clear();
    bestOutcome = play.play(best, PacedPlay::Ending::AtFlowEnd, deadline);
    ++trials;
    if (bestOutcome.solved)
        return;
    addHeartsGreedily();
    refine();
}

std::pair<int, int> LevelSolver::countSteadyNudges(int units) const
{
    int steady = 0;
    int tried = 0;
    for (std::size_t index = 0; index < best.size(); ++index)
        for (const auto& [dx, dy] :
             {std::pair{units, 0}, std::pair{-units, 0}, std::pair{0, units}, std::pair{0, -units}})
        {
            std::vector<HeartPlacement> nudged = best;
            nudged[index].x += dx;
            nudged[index].y += dy;
            steady += play.play(nudged).solved ? 1 : 0;
            ++tried;
        }
    return {steady, tried};
}

const std::vector<HeartPlacement>& LevelSolver::getBest() const
{
    return best;
}

const PlayOutcome& LevelSolver::getBestOutcome() const
{
    return bestOutcome;
}

int LevelSolver::getTrials() const
{
    return trials;
}

PlayOutcome LevelSolver::tryPlacement(const std::vector<HeartPlacement>& hearts)
{
    const PlayOutcome outcome = play.play(hearts, PacedPlay::Ending::AtFlowEnd, deadline);
    ++trials;
    if (isBetter(outcome, hearts.size(), bestOutcome, best.size()))
    {
        best = hearts;
        bestOutcome = outcome;
    }
    return outcome;
}

bool LevelSolver::isBetter(const PlayOutcome& outcome, std::size_t hearts, const PlayOutcome& than,
                           std::size_t thanHearts)
{
    if (outcome.solved != than.solved)
        return outcome.solved;
    const long fewerHearts = -static_cast<long>(hearts);
    const long thanFewerHearts = -static_cast<long>(thanHearts);
    if (!outcome.solved)
        return std::make_tuple(outcome.captured, fewerHearts) >
               std::make_tuple(than.captured, thanFewerHearts);
    return std::make_tuple(fewerHearts, outcome.captured, -outcome.solvedAtStep) >
           std::make_tuple(thanFewerHearts, than.captured, -than.solvedAtStep);
}

bool LevelSolver::hasBudget() const
{
    if (trialLimit && trials >= *trialLimit)
        return false;
    return std::chrono::steady_clock::now() < deadline;
}

// One slot after another, the heart on the grid that does most for the hearts already chosen; stops when
// no heart helps or the level is solved.
void LevelSolver::addHeartsGreedily()
{
    std::vector<HeartPlacement> candidates = HeartGrid(gridStep, gridStep / 2).hearts();
    std::shuffle(candidates.begin(), candidates.end(), chance);

    const int mostHearts = HeartKinds::totalSupply();
    while (!bestOutcome.solved && static_cast<int>(best.size()) < mostHearts && hasBudget())
    {
        const std::vector<HeartPlacement> chosen = best;
        for (const HeartPlacement& candidate : candidates)
        {
            if (!hasBudget())
                return;
            if (countOf(chosen, candidate.kind) >= HeartKinds::all[candidate.kind].supply)
                continue;
            std::vector<HeartPlacement> trial = chosen;
            trial.push_back(candidate);
            tryPlacement(trial);
        }
        if (best.size() == chosen.size())
            return;
    }
}

// Small changes to the best placement, kept when they do no worse, so that the search can also walk
// along placements that are equally good.
void LevelSolver::refine()
{
    std::vector<HeartPlacement> current = best;
    PlayOutcome currentOutcome = bestOutcome;
    int failures = 0;
    while (hasBudget())
    {
        std::vector<HeartPlacement> trial = changed(current);
        if (failures >= patience)
        {
            trial = changed(changed(changed(best)));
            failures = 0;
        }
        const PlayOutcome outcome = tryPlacement(trial);
        if (!isBetter(currentOutcome, current.size(), outcome, trial.size()))
        {
            current = std::move(trial);
            currentOutcome = outcome;
            failures = 0;
        }
        else
        {
            ++failures;
        }
    }
}

std::vector<HeartPlacement> LevelSolver::changed(std::vector<HeartPlacement> hearts)
{
    std::uniform_int_distribution<int> changeKind(0, 5);
    const int change = hearts.empty() ? 4 : changeKind(chance);
    std::uniform_int_distribution<std::size_t> anyHeart(0, hearts.empty() ? 0 : hearts.size() - 1);
    const std::size_t index = anyHeart(chance);
    switch (change)
    {
    case 0:
    case 1:
    {
        // A nudge, mostly small.
        const int reach = change == 0 ? 8 : 40;
        std::uniform_int_distribution<int> offset(-reach, reach);
        HeartPlacement& heart = hearts[index];
        heart.x = std::clamp(heart.x + offset(chance), 0, World::fieldWidth - 1);
        heart.y = std::clamp(heart.y + offset(chance), HeartPlacement::lowestY, World::fieldHeight - 1);
        break;
    }
    case 2:
        hearts[index] = randomHeart(hearts[index].kind);
        break;
    case 3:
        if (hearts.size() > 1)
            std::swap(hearts[index], hearts[(index + 1) % hearts.size()]);
        else
            hearts.erase(hearts.begin());
        break;
    case 4:
        if (const auto kind = kindWithSupply(hearts, chance() % HeartPlacement::kinds.size()))
        {
            std::uniform_int_distribution<std::size_t> slot(0, hearts.size());
            hearts.insert(hearts.begin() + static_cast<std::ptrdiff_t>(slot(chance)), randomHeart(*kind));
        }
        break;
    default:
        hearts.erase(hearts.begin() + static_cast<std::ptrdiff_t>(index));
        break;
    }
    return hearts;
}

std::optional<HeartPlacement::Kind> LevelSolver::kindWithSupply(const std::vector<HeartPlacement>& hearts,
                                                                std::size_t firstChoice) const
{
    for (std::size_t turn = 0; turn < HeartPlacement::kinds.size(); ++turn)
    {
        const HeartPlacement::Kind kind =
            HeartPlacement::kinds[(firstChoice + turn) % HeartPlacement::kinds.size()];
        if (countOf(hearts, kind) < HeartKinds::all[kind].supply)
            return kind;
    }
    return std::nullopt;
}

HeartPlacement LevelSolver::randomHeart(HeartPlacement::Kind kind)
{
    std::uniform_int_distribution<int> x(0, World::fieldWidth - 1);
    std::uniform_int_distribution<int> y(HeartPlacement::lowestY, World::fieldHeight - 1);
    const int column = x(chance);
    return HeartPlacement{kind, column, y(chance)};
}
