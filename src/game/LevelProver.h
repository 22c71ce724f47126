#pragma once

#include "game/ProofResult.h"

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

class ChildProcess;
class LevelDraft;

// Proves the level being edited without holding up the game: runs the level tool's prove command on a copy
// of the draft as a child process in the game's working folder, and reads its progress and its result a
// frame at a time. The tool is found beside the game's own executable: installed in the same folder, or in
// the build tree at tools/lumora-levels below it. A tool that is missing, cannot be started, dies or overruns
// its time gives a failed result that says so; nothing is ever waited for.
class LevelProver
{
public:
    static constexpr int defaultSeconds = 60;
    static constexpr int longestSeconds = 3600;
    // How long past its time the tool may take to write its result before it is stopped, in milliseconds.
    static constexpr std::uint32_t graceMs = 10000;
    static constexpr char toolName[] = "lumora-levels";
    static constexpr char buildTreeFolder[] = "tools";

    struct Progress
    {
        // The share of the proof's time spent, 0 to 1, and what it is doing ("solving", "measuring").
        double fraction = 0;
        std::string phase;
    };
    using State = std::variant<std::monostate, Progress, ProofResult>;

    // The tool beside the running game's executable (found through /proc/self/exe); empty when there is none.
    static std::string findTool();
    // The tool in the folder, or in its build tree's tools/; empty when neither holds an executable one.
    static std::string toolIn(const std::string& folder);

    explicit LevelProver(std::string toolPath = findTool());
    // Stops a proof under way.
    ~LevelProver();
    LevelProver(const LevelProver&) = delete;
    LevelProver& operator=(const LevelProver&) = delete;

    // Starts proving the draft as it is now, within the seconds given (1 to longestSeconds), ending any proof
    // before.
    void start(const LevelDraft& draft, int seconds = defaultSeconds);
    // Nothing before the first start or after cancel(); while the proof runs, its latest progress; then its
    // result, kept until the next start. Never waits: meant to be called once a frame.
    State poll();
    // Ends the proof under way, if any, and forgets its result.
    void cancel();

private:
    void take(const std::string& line);
    void finish(const ProofResult& ending);
    ProofResult failureOfEnding() const;

    std::string tool;
    std::unique_ptr<ChildProcess> child;
    // The copy of the draft the tool reads, in the system's temporary folder; empty when there is none.
    std::string levelCopy;
    State state;
    // Past this tick count the tool is stopped.
    std::uint32_t startedAt = 0;
    std::uint32_t allowedMs = 0;
};
