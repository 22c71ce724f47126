#include "CommandLine.h"

#include "IntegerText.h"

#include <sstream>

namespace
{
bool readCount(const std::string& option, const std::string& text, int lowest, int& value, std::string& error)
{
    const std::optional<int> read = parseInteger(text);
    if (!read || *read < lowest)
    {
        error = "option " + option + " needs a whole number of at least " + std::to_string(lowest) +
                ", not \"" + text + "\"";
        return false;
    }
    value = *read;
    return true;
}

// "light,400,300" as a heart.
std::optional<HeartPlacement> readHeart(const std::string& text)
{
    std::istringstream fields(text);
    std::string kind;
    std::string x;
    std::string y;
    std::string extra;
    // A fourth field, even an empty one after a trailing comma (which getline does not report), is too many.
    if (!std::getline(fields, kind, ',') || !std::getline(fields, x, ',') || !std::getline(fields, y, ',') ||
        std::getline(fields, extra) || text.back() == ',')
        return std::nullopt;
    const std::optional<HeartPlacement::Kind> kindRead = HeartPlacement::kindNamed(kind);
    const std::optional<int> xRead = parseInteger(x);
    const std::optional<int> yRead = parseInteger(y);
    if (!kindRead || !xRead || !yRead)
        return std::nullopt;
    return HeartPlacement{*kindRead, *xRead, *yRead};
}

bool isValueOption(const std::string& name)
{
    return name == "--ticks" || name == "--tick-ms" || name == "--heart" || name == "--seconds" ||
           name == "--trials" || name == "--seed";
}
} // namespace

std::optional<CommandLine> CommandLine::parse(const std::vector<std::string>& arguments, std::string& error)
{
    CommandLine line;
    if (arguments.empty())
    {
        error = "no command given";
        return std::nullopt;
    }
    const std::string& command = arguments[0];
    line.seconds = command == "check"   ? defaultCheckSeconds
                   : command == "solve" ? defaultSolveSeconds
                   : command == "prove" ? defaultProveSeconds
                                        : defaultCurveSeconds;
    if (command == "simulate")
        line.command = Command::Simulate;
    else if (command == "check")
        line.command = Command::Check;
    else if (command == "solve")
        line.command = Command::Solve;
    else if (command == "curve")
        line.command = Command::Curve;
    else if (command == "prove")
        line.command = Command::Prove;
    else if (command == "help" || command == "--help" || command == "-h")
        return line;
    else
    {
        error = "unknown command \"" + command + "\"";
        return std::nullopt;
    }

    for (std::size_t index = 1; index < arguments.size(); ++index)
    {
        const std::string& argument = arguments[index];
        if (argument.rfind("--", 0) != 0 || argument == "--")
        {
            line.levels.push_back(argument);
            continue;
        }
        std::string name = argument;
        std::optional<std::string> value;
        const std::size_t equals = argument.find('=');
        if (equals != std::string::npos)
        {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        else if (isValueOption(name))
        {
            if (index + 1 >= arguments.size())
            {
                error = "option " + name + " needs a value";
                return std::nullopt;
            }
            value = arguments[++index];
        }
        if (!line.readOption(name, value, error))
            return std::nullopt;
    }
    if (!line.checkLevelCount(error))
        return std::nullopt;
    return line;
}

bool CommandLine::readOption(const std::string& name, const std::optional<std::string>& value,
                             std::string& error)
{
    const bool simulating = command == Command::Simulate;
    const bool solving = command == Command::Solve;
    if ((name == "--ticks" || name == "--tick-ms" || name == "--heart" || name == "--dump") && !simulating)
    {
        error = "option " + name + " belongs to the simulate command";
        return false;
    }
    if ((name == "--trials" || name == "--seed") && !solving)
    {
        error = "option " + name + " belongs to the solve command";
        return false;
    }
    if (name == "--shift" && command != Command::Curve)
    {
        error = "option --shift belongs to the curve command";
        return false;
    }
    if (name == "--seconds" && simulating)
    {
        error = "option --seconds belongs to the check, solve, curve and prove commands";
        return false;
    }
    if (name == "--dump" || name == "--shift")
    {
        if (value)
        {
            error = "option " + name + " takes no value";
            return false;
        }
        (name == "--dump" ? dump : shifted) = true;
        return true;
    }
    if (name == "--heart")
    {
        const std::optional<HeartPlacement> heart = readHeart(*value);
        if (!heart)
        {
            error = "option --heart needs KIND,X,Y with KIND " + HeartPlacement::kindNames() +
                    " and whole numbers X and Y, not \"" + *value + "\"";
            return false;
        }
        hearts.push_back(*heart);
        return true;
    }
    int count = 0;
    if (name == "--ticks")
        return readCount(name, *value, 0, ticks, error);
    if (name == "--tick-ms")
    {
        const bool read = readCount(name, *value, 0, count, error);
        tickMs = static_cast<std::uint32_t>(count);
        return read;
    }
    if (name == "--seconds")
        return readCount(name, *value, 1, seconds, error);
    if (name == "--seed")
        return readCount(name, *value, 0, seed, error);
    if (name == "--trials")
    {
        const bool read = readCount(name, *value, 1, count, error);
        trials = count;
        return read;
    }
    error = "unknown option " + name;
    return false;
}

bool CommandLine::checkLevelCount(std::string& error) const
{
    if (levels.empty())
    {
        error = "no level file given";
        return false;
    }
    if (command != Command::Check && command != Command::Curve && levels.size() > 1)
    {
        error = "this command takes one level file, not " + std::to_string(levels.size());
        return false;
    }
    return true;
}

std::string CommandLine::usage()
{
    return "usage:\n"
           "  lumora-levels simulate LEVEL [--ticks N] [--tick-ms MS] [--heart KIND,X,Y]... [--dump]\n"
           "      Loads LEVEL, places the hearts (KIND " +
           HeartPlacement::kindNames() +
           ", X and Y in field units with y up),\n"
           "      takes N steps (default 0) at MS milliseconds each (default 10) from a fresh emission\n"
           "      timer, and prints the outcome as one line of JSON; --dump adds every particle\n"
           "      [x, y, vx, vy] and every body's angle.\n"
           "  lumora-levels check LEVEL... [--seconds S]\n"
           "      Tells what a designer needs to know about each level: its records, skipped tokens, a\n"
           "      record cut short, body pictures the game cannot read from the working folder, the TITLE\n"
           "      and HINT lines of its remarks as the countdown shows them, whether it can be won at all,\n"
           "      whether it is solved without hearts, and the replay of the solution recorded in its\n"
           "      remarks, a line such as\n"
           "          SOLUTION light 400 300 dark 120 80\n"
           "      whose k-th heart is placed just before step 100 x k (one a second at 10 ms a step);\n"
           "      a solution must capture 70 within 6000 steps. A level is fine only when it can be played\n"
           "      as written: a planet, 70 particles at least, no record cut short. Text from the file is\n"
           "      printed with control bytes and characters beyond ASCII escaped. Stops after S seconds\n"
           "      in all (default 60).\n"
           "  lumora-levels solve LEVEL [--seconds S] [--trials N] [--seed N]\n"
           "      Searches for up to five light and five dark hearts, placed at that pace, that capture\n"
           "      70, for S seconds (default 30) or N trials, and prints the best as a SOLUTION line.\n"
           "  lumora-levels curve LEVEL... [--seconds S] [--shift]\n"
           "      Measures the levels as one game, in the order given: for each, the share of single light\n"
           "      and single dark hearts on a 20-unit grid over the field above the bar that win it (placed\n"
           "      after one second); for a level that under 2 % win, how many of the ordered pairs of "
           "100-unit\n"
           "      cells and kinds of heart win it, each heart at a spot drawn at random in its cell (placed\n"
           "      after one and two seconds); how many hearts its SOLUTION line places, and in how many of "
           "20\n"
           "      trials that solution still wins with every heart moved up to 10 units in a random\n"
           "      direction. --shift moves the grid by half a cell and draws the pairs from another seed.\n"
           "      Reports a BREAK, and exits 1, for a level won without hearts; a solution that is missing,\n"
           "      fails, wins under 80 % of its trials or lies under the bar (y below 75); one of the first\n"
           "      three levels won by under 10 % of single hearts; a later one won by 2 points more than "
           "the\n"
           "      level before, or, both measured by pairs, by more pairs than twice the square root of the\n"
           "      count before allows; and a level that the solution of an earlier level wins, as written,\n"
           "      mirrored left to right or top to bottom, or both. Stops after S seconds in all (default\n"
           "      900).\n"
           "  lumora-levels prove LEVEL [--seconds S]\n"
           "      Proves a level for its maker within S seconds in all (default 60): searches for hearts\n"
           "      that win it for half the time, as solve does, then measures it as curve does with the\n"
           "      hearts found as its solution. Prints \"progress FRACTION PHASE\" lines (the share of the\n"
           "      time spent, PHASE solving or measuring), then one line, one of:\n"
           "          result wonwithout\n"
           "          result unsolved captured=N hearts=H\n"
           "          result solved hearts=H captured=N tolerance=S/20 light=P dark=P singles=W pairs=C\n"
           "              solution=HEARTS                                      (all on one line)\n"
           "          result unmeasured hearts=H captured=N solution=HEARTS\n"
           "      N captured by the best hearts by the end of the flow; S nudged trials that still win;\n"
           "      P the percent of single hearts of each kind that win, W how many in all; C the pairs\n"
           "      that win, - when not measured; HEARTS as on a SOLUTION line, to the end of the line;\n"
           "      unmeasured: solved, but the time ended while measuring. Exits 0 with a result.\n"
           "Run it in the game's folder (data/): pictures and the click are found as the game finds them.\n"
           "Exit status: 0 fine, 1 a check, search or curve failed, 2 a usage error or an unreadable "
           "level.\n";
}
