#pragma once

#include "HeartPlacement.h"
#include "Simulation.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The tool's arguments, read and checked: one command, its level files and its options.
class CommandLine
{
public:
    enum class Command
    {
        Simulate,
        Check,
        Solve,
        Curve,
        Help
    };

    static constexpr int defaultSolveSeconds = 30;

    // Reads the arguments after the program name. On a mistake returns nothing and says what is wrong.
    static std::optional<CommandLine> parse(const std::vector<std::string>& arguments, std::string& error);
    static std::string usage();

    Command command = Command::Help;
    std::vector<std::string> levels;
    // simulate
    int ticks = 0;
    std::uint32_t tickMs = Simulation::defaultTickMs;
    std::vector<HeartPlacement> hearts;
    bool dump = false;
    // solve: the time it may take, an optional number of trials instead (for results that do not depend
    // on the machine's speed), and the seed of its random choices.
    int seconds = defaultSolveSeconds;
    std::optional<int> trials;
    int seed = 1;

private:
    bool readOption(const std::string& name, const std::optional<std::string>& value, std::string& error);
    bool checkLevelCount(std::string& error) const;
};
