#include "CommandLine.h"
#include "DifficultyCurve.h"
#include "JsonWriter.h"
#include "LevelCheck.h"
#include "LevelProof.h"
#include "LevelSolver.h"
#include "PrintableText.h"
#include "Simulation.h"
#include "Solution.h"

#include "platform/RegularFile.h"
#include "world/HeartKinds.h"
#include "world/LevelRules.h"
#include "world/World.h"

#include <chrono>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace
{
constexpr int exitFine = 0;
constexpr int exitFailed = 1;
constexpr int exitUsage = 2;
// How far off a person's click may land, in field units, when the tool tells how forgiving a solution is.
constexpr int nudgeUnits = 5;

// Only a regular file is a level: a folder reads as empty, a FIFO or a device could block or never end.
bool isReadable(const std::string& levelFile)
{
    if (platform::isRegularFile(levelFile) && std::ifstream(levelFile))
        return true;
    std::cerr << "lumora-levels: cannot read the level file " << printable(levelFile) << '\n';
    return false;
}

void writeDump(JsonWriter& json, const World& world)
{
    json.key("particles");
    json.beginArray();
    for (const Particle& particle : world.getParticles())
    {
        json.beginArray();
        for (const float value :
             {particle.position.x, particle.position.y, particle.velocity.x, particle.velocity.y})
            json.floatString(value);
        json.endArray();
    }
    json.endArray();
    json.key("angles");
    json.beginArray();
    for (const GravBody& body : world.getBodies())
        json.floatString(body.angle);
    json.endArray();
}

int simulate(const CommandLine& line)
{
    if (!isReadable(line.levels[0]))
        return exitUsage;
    Simulation simulation(line.levels[0], line.tickMs);
    for (const HeartPlacement& heart : line.hearts)
        simulation.placeHeart(heart);
    for (int tick = 0; tick < line.ticks; ++tick)
        simulation.step();

    const World& world = simulation.getWorld();
    JsonWriter json;
    json.beginObject();
    json.key("ticks");
    json.number(simulation.getSteps());
    json.key("captured");
    json.number(world.getCapturedCount());
    json.key("alive");
    json.number(static_cast<long long>(world.getParticles().size()));
    json.key("remaining");
    json.beginArray();
    for (const Generator& generator : world.getGenerators())
        json.number(generator.remaining);
    json.endArray();
    json.key("bodies");
    json.number(static_cast<long long>(world.getBodies().size()));
    for (std::size_t kind = 0; kind < HeartKinds::count; ++kind)
    {
        json.key(std::string(HeartKinds::all[kind].name) + "Hearts");
        json.number(world.getHeartsLeft(kind));
    }
    if (line.dump)
        writeDump(json, world);
    json.endObject();
    std::cout << json.text() << '\n';
    return exitFine;
}

std::chrono::steady_clock::time_point deadlineOf(const CommandLine& line)
{
    return std::chrono::steady_clock::now() + std::chrono::seconds(line.seconds);
}

void reportStop(const CommandLine& line, const std::string& what)
{
    std::cerr << "lumora-levels: stopped at the time budget of " << line.seconds << " s " << what
              << "; give it more with --seconds\n";
}

int check(const CommandLine& line)
{
    int status = exitFine;
    int stopped = 0;
    const auto deadline = deadlineOf(line);
    for (const std::string& level : line.levels)
    {
        switch (LevelCheck(level, deadline).run(std::cout, std::cerr))
        {
        case LevelCheck::Verdict::Fine:
            break;
        case LevelCheck::Verdict::Failed:
            status = std::max(status, exitFailed);
            break;
        case LevelCheck::Verdict::Stopped:
            ++stopped;
            status = std::max(status, exitFailed);
            break;
        case LevelCheck::Verdict::Unreadable:
            status = exitUsage;
            break;
        }
    }
    if (stopped > 0)
        reportStop(line, "with " + std::to_string(stopped) + " of the " + std::to_string(line.levels.size()) +
                             " levels not checked to the end");
    return status;
}

int solve(const CommandLine& line)
{
    if (!isReadable(line.levels[0]))
        return exitUsage;
    LevelSolver solver(line.levels[0], line.seed);
    solver.search(std::chrono::seconds(line.seconds), line.trials);
    const PlayOutcome& outcome = solver.getBestOutcome();
    if (outcome.solved && solver.getBest().empty())
    {
        std::cerr << "lumora-levels: " << printable(line.levels[0])
                  << " is solved without any heart, at step " << outcome.solvedAtStep << '\n';
        return exitFailed;
    }
    if (!outcome.solved)
    {
        std::cerr << "lumora-levels: no placement found that captures " << LevelRules::goal << " in "
                  << solver.getTrials() << " trials; the best captures " << outcome.captured << ":\n"
                  << "  " << Solution::lineFor(solver.getBest()) << '\n';
        return exitFailed;
    }
    std::cout << Solution::lineFor(solver.getBest()) << '\n';
    const auto [steady, nudged] = solver.countSteadyNudges(nudgeUnits);
    const std::size_t hearts = solver.getBest().size();
    std::cerr << "lumora-levels: " << hearts << (hearts == 1 ? " heart reaches " : " hearts reach ")
              << LevelRules::goal << " at step " << outcome.solvedAtStep << " and capture "
              << outcome.captured << " by the end; best of " << solver.getTrials()
              << " trials; still solved with one heart " << nudgeUnits << " units off in " << steady << " of "
              << nudged << " tries\n";
    return exitFine;
}

int curve(const CommandLine& line)
{
    int status = exitFine;
    std::vector<std::string> readable;
    for (const std::string& level : line.levels)
    {
        if (isReadable(level))
            readable.push_back(level);
        else
            status = exitUsage;
    }
    DifficultyCurve difficulty(deadlineOf(line), line.shifted);
    const std::size_t measured = difficulty.add(readable);
    const bool ended = measured == readable.size() && difficulty.findRepeats();
    difficulty.write(std::cout);
    if (!ended)
    {
        reportStop(line, measured < readable.size()
                             ? "while measuring " + printable(readable[measured]) + ": " +
                                   std::to_string(readable.size() - measured) + " of the " +
                                   std::to_string(readable.size()) + " levels not measured"
                             : "while looking for levels that an earlier level's solution wins");
        return std::max(status, exitFailed);
    }
    if (status == exitFine && !difficulty.findBreaks().empty())
        status = exitFailed;
    if (status == exitFine)
        std::cout << "curve: fine\n";
    return status;
}

int prove(const CommandLine& line)
{
    if (!isReadable(line.levels[0]))
        return exitUsage;
    LevelProof(line.levels[0], std::chrono::seconds(line.seconds)).run(std::cout);
    return exitFine;
}

int run(const CommandLine& line)
{
    switch (line.command)
    {
    case CommandLine::Command::Simulate:
        return simulate(line);
    case CommandLine::Command::Check:
        return check(line);
    case CommandLine::Command::Solve:
        return solve(line);
    case CommandLine::Command::Curve:
        return curve(line);
    case CommandLine::Command::Prove:
        return prove(line);
    case CommandLine::Command::Help:
        break;
    }
    std::cout << CommandLine::usage();
    return exitFine;
}
} // namespace

int main(int argc, char** argv)
{
    std::string error;
    const std::optional<CommandLine> line =
        CommandLine::parse(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!line)
    {
        std::cerr << "lumora-levels: " << error << "\n" << CommandLine::usage();
        return exitUsage;
    }
    int status = exitUsage;
    try
    {
        status = run(*line);
    }
    catch (const std::exception& failure)
    {
        // Whatever the system refuses on the way (memory, a file) ends the run with a reason, not an abort.
        std::cerr << "lumora-levels: " << failure.what() << '\n';
    }
    return status;
}
