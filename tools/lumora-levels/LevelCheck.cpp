#include "LevelCheck.h"

#include "PacedPlay.h"
#include "PlayOutcome.h"
#include "Simulation.h"
#include "Solution.h"

#include "engine/Handle.h"
#include "game/CaptionLayout.h"
#include "platform/RegularFile.h"
#include "world/LevelCaption.h"
#include "world/LevelReport.h"
#include "world/LevelRules.h"
#include "world/World.h"

#include <filesystem>
#include <fstream>
#include <ostream>
#include <set>
#include <utility>

namespace
{
// Skipped tokens listed in full up to this many; a longer list is cut.
constexpr std::size_t skippedTokensShown = 12;

std::string secondsOf(int steps)
{
    const int hundredths = steps * static_cast<int>(Simulation::defaultTickMs) / 10;
    return std::to_string(hundredths / 100) + "." + std::to_string(hundredths / 10 % 10) + " s";
}
} // namespace

LevelCheck::LevelCheck(std::string level) : levelFile(std::move(level)) {}

LevelCheck::Verdict LevelCheck::run(std::ostream& out, std::ostream& errors) const
{
    if (!platform::isRegularFile(levelFile) || !std::ifstream(levelFile))
    {
        errors << "lumora-levels: cannot read the level file " << levelFile << '\n';
        return Verdict::Unreadable;
    }
    LevelReport report;
    const Handle<World> world(new World());
    world->load(levelFile, &report);
    out << levelFile << '\n';
    describeContents(out, *world);
    describeReading(out, report);
    describeMissingPictures(out, *world);
    describeCaption(out, report.remarks);
    const bool needsHearts = checkWithoutHearts(out);
    const bool solutionHolds = checkSolution(out, Solution::findIn(report.remarks));
    const bool fine = needsHearts && solutionHolds;
    out << "  verdict: " << (fine ? "fine" : "FAILED") << '\n';
    return fine ? Verdict::Fine : Verdict::Failed;
}

void LevelCheck::describeContents(std::ostream& out, const World& world)
{
    long long particles = 0;
    for (const Generator& generator : world.getGenerators())
        particles += generator.remaining > 0 ? generator.remaining : 0;
    int planets = 0;
    for (const GravBody& body : world.getBodies())
        planets += body.isPlanet() ? 1 : 0;
    out << "  generators: " << world.getGenerators().size() << ", particles in all: " << particles << '\n';
    out << "  bodies: " << world.getBodies().size() << ", planets: " << planets << '\n';
    if (planets == 0)
        out << "  warning: no planet, so nothing can ever be captured\n";
    else if (particles < LevelRules::goal)
        out << "  warning: fewer particles than the " << LevelRules::goal << " the goal needs\n";
}

void LevelCheck::describeReading(std::ostream& out, const LevelReport& report)
{
    out << "  skipped tokens: ";
    if (report.skippedTokens.empty())
        out << "none";
    else
        out << report.skippedTokens.size();
    for (std::size_t index = 0; index < report.skippedTokens.size() && index < skippedTokensShown; ++index)
        out << (index == 0 ? ": \"" : " \"") << report.skippedTokens[index] << '"';
    if (report.skippedTokens.size() > skippedTokensShown)
        out << " ...";
    out << '\n';
    out << "  record cut short: ";
    if (report.isCutShort())
        out << report.cutShortRecord << " number " << report.cutShortRecordNumber << " at its "
            << report.cutShortField << " (kept with the values read, the rest of the file ignored)\n";
    else
        out << "none\n";
}

void LevelCheck::describeMissingPictures(std::ostream& out, const World& world)
{
    std::set<std::string> missing;
    std::error_code unreachable;
    for (const GravBody& body : world.getBodies())
        if (!std::filesystem::is_regular_file(body.textureName, unreachable))
            missing.insert(body.textureName);
    out << "  missing pictures:";
    if (missing.empty())
        out << " none";
    for (const std::string& name : missing)
        out << ' ' << (name.empty() ? "(no name)" : name);
    out << '\n';
}

void LevelCheck::describeCaption(std::ostream& out, const std::string& remarks)
{
    const LevelCaption caption = LevelCaption::findIn(remarks);
    describeCaptionText(out, "title", LevelCaption::titleKeyword, caption.getTitle(),
                        CaptionLayout::titleLines(caption), CaptionLayout::titleColumns);
    describeCaptionText(out, "hint", LevelCaption::hintKeyword, caption.getHint(),
                        CaptionLayout::hintLines(caption), CaptionLayout::hintColumns);
}

void LevelCheck::describeCaptionText(std::ostream& out, const char* name, const char* keyword,
                                     const std::string& text, const std::vector<std::string>& lines,
                                     std::size_t columns)
{
    out << "  " << name << ":";
    if (lines.empty())
        out << " none";
    for (const std::string& line : lines)
        out << (lines.size() > 1 ? "\n    " : " ") << line;
    out << '\n';
    if (text.empty())
        out << "  warning: no " << keyword << " line in the remarks\n";
    const std::string lost = LevelCaption::lostCharacters(text);
    if (!lost.empty())
        out << "  warning: the " << keyword << " loses characters the font cannot draw: " << lost << '\n';
    const std::size_t allLines = LevelCaption::countLines(LevelCaption::drawable(text), columns);
    if (allLines > lines.size())
        out << "  warning: the " << keyword << " takes " << allLines << " lines of " << columns
            << " characters, only " << lines.size() << " are shown\n";
}

bool LevelCheck::checkWithoutHearts(std::ostream& out) const
{
    const PlayOutcome outcome = PacedPlay(levelFile).play({});
    out << "  without hearts: " << describeOutcome(outcome);
    if (outcome.solved)
        out << " - the level needs no hearts";
    out << '\n';
    return !outcome.solved;
}

bool LevelCheck::checkSolution(std::ostream& out, const Solution& solution) const
{
    out << "  solution: ";
    if (!solution.isRecorded())
    {
        out << "none recorded\n";
        return true;
    }
    if (!solution.getProblem().empty())
    {
        out << "CANNOT BE READ: " << solution.getProblem() << '\n';
        return false;
    }
    const PlayOutcome outcome = PacedPlay(levelFile).play(solution.getHearts());
    out << Solution::lineFor(solution.getHearts()) << '\n';
    out << "  replay: " << describeOutcome(outcome) << '\n';
    if (!outcome.solved)
        out << "  the recorded solution FAILS\n";
    return outcome.solved;
}

std::string LevelCheck::describeOutcome(const PlayOutcome& outcome)
{
    if (outcome.solved)
        return "solved at step " + std::to_string(outcome.solvedAtStep) + " (" +
               secondsOf(outcome.solvedAtStep) + ")";
    std::string text = "not solved, " + std::to_string(outcome.captured) + " of " +
                       std::to_string(LevelRules::goal) + " captured";
    if (outcome.flowOver)
        return text + " when the flow ended at step " + std::to_string(outcome.stepsRun);
    if (outcome.outOfReach)
        return text + " when too few were left, at step " + std::to_string(outcome.stepsRun);
    return text + " in " + std::to_string(outcome.stepsRun) + " steps";
}
