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
        Prove,
        Help
    };

    // The time each command may take unless --seconds says otherwise: what checking or measuring shipped
    // levels needs several times over, so that only a degenerate level meets it.
    static constexpr int defaultCheckSeconds = 60;
    static constexpr int defaultSolveSeconds = 30;
    static constexpr int defaultCurveSeconds = 900;
    static constexpr int defaultProveSeconds = 60;

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
    // check, solve, curve and prove: the time the whole command may take.
    int seconds = 0;
    // solve: an optional number of trials instead of the time (for results that do not depend on the
    // machine's speed), and the seed of its random choices.
    std::optional<int> trials;
    int seed = 1;
    // curve: both grids moved by half a cell.
    bool shifted = false;

private:
    bool readOption(const std::string& name, const std::optional<std::string>& value, std::string& error);
    bool checkLevelCount(std::string& error) const;
};
