#include "PacedPlay.h"

#include "Simulation.h"

#include "world/LevelRules.h"
#include "world/World.h"

#include <utility>

PacedPlay::PacedPlay(std::string level) : levelFile(std::move(level)) {}

PlayOutcome PacedPlay::play(const std::vector<HeartPlacement>& hearts, Ending ending,
                            std::optional<std::chrono::steady_clock::time_point> deadline) const
{
    Simulation simulation(levelFile);
    PlayOutcome outcome;
    std::size_t nextHeart = 0;
    for (int step = 1; step <= stepLimit; ++step)
    {
        if (nextHeart < hearts.size() && step == stepsPerHeart * static_cast<int>(nextHeart + 1))
            simulation.placeHeart(hearts[nextHeart++]);
        simulation.step();
        outcome.stepsRun = step;
        outcome.captured = simulation.getWorld().getCapturedCount();
        if (LevelRules::isWon(simulation.getWorld()) && !outcome.solved)
        {
            outcome.solved = true;
            outcome.solvedAtStep = step;
            if (ending == Ending::AtGoal)
                break;
        }
        if (simulation.getWorld().isFlowOver())
        {
            outcome.flowOver = true;
            break;
        }
        if (ending == Ending::AtGoal && LevelRules::isLost(simulation.getWorld()))
        {
            outcome.outOfReach = true;
            break;
        }
        if (deadline && std::chrono::steady_clock::now() >= *deadline)
        {
            outcome.outOfTime = true;
            break;
        }
    }
    return outcome;
}
