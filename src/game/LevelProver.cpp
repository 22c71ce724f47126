#include "game/LevelProver.h"

#include "platform/ChildProcess.h"
#include "platform/Clock.h"
#include "platform/RegularFile.h"
#include "world/LevelDraft.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include <unistd.h>

namespace
{
constexpr char ownExecutable[] = "/proc/self/exe";
constexpr char progressWord[] = "progress";
// The phase of a proof whose tool has not said anything yet.
constexpr char startingPhase[] = "starting";
constexpr char copyTemplate[] = "/lumora-proof-XXXXXX";
constexpr std::uint32_t millisecondsPerSecond = 1000;
// The level tool's exit status for a level it cannot read.
constexpr int unreadableLevelStatus = 2;

bool isExecutable(const std::string& path)
{
    return platform::isRegularFile(path) && access(path.c_str(), X_OK) == 0;
}

// A fresh file of its own in the temporary folder holding the text; its path, or empty when it could not be.
std::string writeCopy(const std::string& text)
{
    const char* folder = std::getenv("TMPDIR");
    std::string path = std::string(folder && *folder ? folder : "/tmp") + copyTemplate;
    const int descriptor = mkstemp(path.data());
    if (descriptor < 0)
        return std::string();
    const bool written = write(descriptor, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    if (close(descriptor) == 0 && written)
        return path;
    std::remove(path.c_str());
    return std::string();
}
} // namespace

std::string LevelProver::findTool()
{
    std::string executable(4096, '\0');
    const ssize_t length = readlink(ownExecutable, executable.data(), executable.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= executable.size())
        return std::string();
    executable.resize(static_cast<std::size_t>(length));
    return toolIn(executable.substr(0, executable.find_last_of('/')));
}

std::string LevelProver::toolIn(const std::string& folder)
{
    for (const std::string& path : {folder + '/' + toolName, folder + '/' + buildTreeFolder + '/' + toolName})
        if (isExecutable(path))
            return path;
    return std::string();
}

LevelProver::LevelProver(std::string toolPath) : tool(std::move(toolPath)) {}

LevelProver::~LevelProver()
{
    cancel();
}

void LevelProver::start(const LevelDraft& draft, int seconds)
{
    cancel();
    seconds = std::clamp(seconds, 1, longestSeconds);
    state = Progress{0, startingPhase};
    if (tool.empty())
        return finish(ProofResult::failure("the level tool could not be run: it is not beside the game"));
    levelCopy = writeCopy(draft.text());
    if (levelCopy.empty())
        return finish(ProofResult::failure("the level could not be written for the level tool"));
    child = std::make_unique<ChildProcess>(
        tool, std::vector<std::string>{"prove", levelCopy, "--seconds", std::to_string(seconds)}, ".");
    if (!child->getStartProblem().empty())
        return finish(ProofResult::failure("the level tool could not be run: " + child->getStartProblem()));
    startedAt = platform::tickCount();
    allowedMs = static_cast<std::uint32_t>(seconds) * millisecondsPerSecond + graceMs;
}

LevelProver::State LevelProver::poll()
{
    if (!child)
        return state;
    const bool ended = child->hasEnded();
    for (const std::string& line : child->readLines())
        take(line);
    if (child && ended)
        finish(failureOfEnding());
    else if (child && platform::tickCount() - startedAt > allowedMs)
        finish(ProofResult::failure("the level tool did not finish in its time"));
    return state;
}

void LevelProver::cancel()
{
    finish(ProofResult());
    state = std::monostate();
}

void LevelProver::take(const std::string& line)
{
    if (!child)
        return;
    if (const std::optional<ProofResult> result = ProofResult::parse(line))
        return finish(*result);
    std::istringstream words(line);
    std::string word;
    Progress progress;
    if (words >> word >> progress.fraction >> progress.phase && word == progressWord &&
        progress.fraction >= 0 && progress.fraction <= 1)
        state = progress;
}

void LevelProver::finish(const ProofResult& ending)
{
    child.reset();
    if (!levelCopy.empty())
        std::remove(levelCopy.c_str());
    levelCopy.clear();
    state = ending;
}

ProofResult LevelProver::failureOfEnding() const
{
    if (child->exitStatus() == unreadableLevelStatus)
        return ProofResult::failure("the level tool could not read the level");
    if (child->endingSignal() != 0)
        return ProofResult::failure("the level tool stopped with signal " +
                                    std::to_string(child->endingSignal()));
    return ProofResult::failure("the level tool ended without a result, with status " +
                                std::to_string(child->exitStatus().value_or(-1)));
}
