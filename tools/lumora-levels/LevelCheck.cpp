#include "LevelCheck.h"

#include "IntegerText.h"
#include "PacedPlay.h"
#include "PlayOutcome.h"
#include "PrintableText.h"
#include "Simulation.h"
#include "Solution.h"

#include "engine/Handle.h"
#include "game/CaptionLayout.h"
#include "platform/RegularFile.h"
#include "world/LevelCaption.h"
#include "world/LevelReport.h"
#include "world/LevelRules.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <set>
#include <unistd.h>
#include <utility>

namespace
{
// Skipped tokens, missing pictures and lost characters are listed up to this many; a longer list is cut.
constexpr std::size_t itemsShown = 12;
static_assert(itemsShown <= LevelReport::skippedTokensKept, "the report keeps every skipped token shown");
// A token or a picture's name is shown up to this many characters.
constexpr std::size_t nameCharactersShown = 60;

std::string secondsOf(int steps)
{
    const int hundredths = steps * static_cast<int>(Simulation::defaultTickMs) / 10;
    return std::to_string(hundredths / 100) + "." + std::to_string(hundredths / 10 % 10) + " s";
}

// A picture the game can load: a regular file that can be opened for reading.
bool isReadablePicture(const std::string& name)
{
    const int descriptor = platform::openRegularFile(name);
    if (descriptor < 0)
        return false;
    close(descriptor);
    return true;
}

std::string describePicture(const std::string& name)
{
    if (name.empty())
        return "(no name)";
    std::error_code unreachable;
    const bool exists = std::filesystem::exists(name, unreachable);
    return printable(name, nameCharactersShown) + (exists ? " (cannot be read)" : "");
}

std::string joined(const std::vector<std::string>& words, const char* separator)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : separator) + word;
    return text;
}
} // namespace

LevelCheck::LevelCheck(std::string level, std::chrono::steady_clock::time_point checkDeadline)
    : levelFile(std::move(level)), deadline(checkDeadline)
{
}

LevelCheck::Verdict LevelCheck::run(std::ostream& out, std::ostream& errors) const
{
    if (!platform::isRegularFile(levelFile) || !std::ifstream(levelFile))
    {
        errors << "lumora-levels: cannot read the level file " << printable(levelFile) << '\n';
        return Verdict::Unreadable;
    }
    LevelReport report;
    const Handle<World> world(new World());
    world->load(levelFile, &report);
    out << printable(levelFile) << '\n';
    std::vector<std::string> failures;
    describeContents(out, *world, failures);
    describeReading(out, report, failures);
    describeMissingPictures(out, *world);
    describeCaption(out, report.remarks);
    describeCaptionPlace(out, *world, report.remarks);
    const bool ended =
        checkWithoutHearts(out, failures) && checkSolution(out, Solution::findIn(report.remarks), failures);
    if (!ended)
    {
        out << "  verdict: STOPPED at the time budget, before the check ended\n";
        return Verdict::Stopped;
    }
    if (!failures.empty())
    {
        out << "  verdict: FAILED (" << joined(failures, ", ") << ")\n";
        return Verdict::Failed;
    }
    out << "  verdict: fine\n";
    return Verdict::Fine;
}

void LevelCheck::describeContents(std::ostream& out, const World& world, std::vector<std::string>& failures)
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
    {
        out << "  cannot be won: no planet, so nothing can ever be captured\n";
        failures.emplace_back("no planet");
    }
    if (LevelRules::isLost(world))
    {
        out << "  cannot be won: fewer particles than the " << LevelRules::goal << " the goal needs\n";
        failures.emplace_back("too few particles");
    }
}

void LevelCheck::describeReading(std::ostream& out, const LevelReport& report,
                                 std::vector<std::string>& failures)
{
    out << "  skipped tokens: ";
    if (report.skippedTokenCount == 0)
        out << "none";
    else
        out << report.skippedTokenCount;
    for (std::size_t index = 0; index < report.skippedTokens.size() && index < itemsShown; ++index)
        out << (index == 0 ? ": \"" : " \"") << printable(report.skippedTokens[index], nameCharactersShown)
            << '"';
    if (report.skippedTokenCount > itemsShown)
        out << " ...";
    out << '\n';
    out << "  record cut short: ";
    if (!report.isCutShort())
    {
        out << "none\n";
        return;
    }
    // A value out of range, not a number or missing: the game plays the record with 0 in its place.
    out << report.cutShortRecord << " number " << report.cutShortRecordNumber << " at its "
        << report.cutShortField << " (kept with the values read, the rest of the file ignored)\n";
    failures.emplace_back("a record cut short");
}

void LevelCheck::describeMissingPictures(std::ostream& out, const World& world)
{
    std::set<std::string> names;
    for (const GravBody& body : world.getBodies())
        names.insert(body.textureName);
    std::vector<std::string> missing;
    for (const std::string& name : names)
        if (!isReadablePicture(name))
            missing.push_back(name);
    out << "  missing pictures:";
    if (missing.empty())
        out << " none";
    for (std::size_t index = 0; index < missing.size() && index < itemsShown; ++index)
        out << ' ' << describePicture(missing[index]);
    if (missing.size() > itemsShown)
        out << " ... " << missing.size() << " in all";
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

void LevelCheck::describeCaptionPlace(std::ostream& out, const World& world, const std::string& remarks) const
{
    const LevelCaption caption = LevelCaption::findIn(remarks);
    const CaptionLayout::Placement placement = CaptionLayout::place(caption, levelNumber(), world);
    out << "  caption: " << placement.describe() << ", countdown line at y " << placement.countdownTopLeft.y
        << '\n';
    const std::vector<float> shares = CaptionLayout::coveredShares(caption, levelNumber(), world, placement);
    std::vector<std::string> hidden;
    std::vector<std::string> tooHidden;
    for (std::size_t body = 0; body < shares.size(); ++body)
    {
        const int percent = static_cast<int>(std::lround(shares[body] * 100));
        if (percent == 0)
            continue;
        const std::string name = "body " + std::to_string(body + 1) + " (" +
                                 printable(world.getBodies()[body].textureName) + ") " +
                                 std::to_string(percent) + " %";
        hidden.push_back(name);
        if (shares[body] > CaptionLayout::mostCoveredShare)
            tooHidden.push_back(name);
    }
    out << "  hidden by the caption and the countdown line: "
        << (hidden.empty() ? "none" : joined(hidden, ", ")) << '\n';
    if (!tooHidden.empty())
        out << "  warning: the caption and the countdown line hide more than "
            << std::lround(CaptionLayout::mostCoveredShare * 100) << " % of " << joined(tooHidden, ", ")
            << '\n';
    if (CaptionLayout::hasSignOnLetters(caption, levelNumber(), world, placement))
        out << "  warning: a generator's sign stands on a letter of the caption or the countdown line\n";
}

int LevelCheck::levelNumber() const
{
    const std::string name = std::filesystem::path(levelFile).filename().string();
    const std::string prefix = "level";
    const std::string suffix = ".txt";
    if (name.size() <= prefix.size() + suffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return 1;
    const std::optional<int> number =
        parseInteger(name.substr(prefix.size(), name.size() - prefix.size() - suffix.size()));
    return number && *number > 0 ? *number : 1;
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
    const std::vector<std::string> lost = lostCharacters(text);
    if (!lost.empty())
    {
        out << "  warning: the " << keyword << " loses characters the font cannot draw: ";
        // One by one: two lone bytes side by side could read as one character.
        for (std::size_t index = 0; index < lost.size() && index < itemsShown; ++index)
            out << printable(lost[index]);
        out << (lost.size() > itemsShown ? "...\n" : "\n");
    }
    const std::size_t allLines = LevelCaption::countLines(LevelCaption::drawable(text), columns);
    if (allLines > lines.size())
        out << "  warning: the " << keyword << " takes " << allLines << " lines of " << columns
            << " characters, only " << lines.size() << " are shown\n";
}

std::vector<std::string> LevelCheck::lostCharacters(const std::string& text)
{
    std::vector<std::string> lost;
    for (std::size_t at = 0; at < text.size() && lost.size() <= itemsShown;)
    {
        const std::string character = text.substr(at, characterLength(text, at));
        at += character.size();
        if (!LevelCaption::lostCharacters(character).empty() &&
            std::find(lost.begin(), lost.end(), character) == lost.end())
            lost.push_back(character);
    }
    return lost;
}

bool LevelCheck::checkWithoutHearts(std::ostream& out, std::vector<std::string>& failures) const
{
    const PlayOutcome outcome = PacedPlay(levelFile).play({}, PacedPlay::Ending::AtGoal, deadline);
    out << "  without hearts: " << describeOutcome(outcome);
    if (outcome.solved)
    {
        out << " - the level needs no hearts";
        failures.emplace_back("needs no hearts");
    }
    out << '\n';
    return !outcome.outOfTime;
}

bool LevelCheck::checkSolution(std::ostream& out, const Solution& solution,
                               std::vector<std::string>& failures) const
{
    out << "  solution: ";
    if (!solution.isRecorded())
    {
        out << "none recorded\n";
        return true;
    }
    if (!solution.getProblem().empty())
    {
        out << "CANNOT BE READ: " << printable(solution.getProblem(), nameCharactersShown * 2) << '\n';
        failures.emplace_back("the solution cannot be read");
        return true;
    }
    const PlayOutcome outcome =
        PacedPlay(levelFile).play(solution.getHearts(), PacedPlay::Ending::AtGoal, deadline);
    out << Solution::lineFor(solution.getHearts()) << '\n';
    out << "  replay: " << describeOutcome(outcome) << '\n';
    if (!outcome.solved && !outcome.outOfTime)
    {
        out << "  the recorded solution FAILS\n";
        failures.emplace_back("the solution fails");
    }
    return !outcome.outOfTime;
}

std::string LevelCheck::describeOutcome(const PlayOutcome& outcome)
{
    if (outcome.solved)
        return "solved at step " + std::to_string(outcome.solvedAtStep) + " (" +
               secondsOf(outcome.solvedAtStep) + ")";
    if (outcome.outOfTime)
        return "stopped at the time budget after " + std::to_string(outcome.stepsRun) + " steps, " +
               std::to_string(outcome.captured) + " captured";
    std::string text = "not solved, " + std::to_string(outcome.captured) + " of " +
                       std::to_string(LevelRules::goal) + " captured";
    if (outcome.flowOver)
        return text + " when the flow ended at step " + std::to_string(outcome.stepsRun);
    if (outcome.outOfReach)
        return text + " when too few were left, at step " + std::to_string(outcome.stepsRun);
    return text + " in " + std::to_string(outcome.stepsRun) + " steps";
}
