#include "game/LevelProver.h"
#include "platform/Clock.h"
#include "support/TempFolder.h"
#include "world/LevelDraft.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
constexpr char planet[] = "GRAVBODY 500 420 40 50 ./graphics/planet.png 0\n";

constexpr char buildFolder[] = LUMORA_BUILD_DIR;
// Polls a frame at a time until the proof has a result; every progress seen on the way is kept.
ProofResult resultOf(LevelProver& prover, std::vector<LevelProver::Progress>* seen = nullptr)
{
    for (;; usleep(10000))
    {
        const LevelProver::State state = prover.poll();
        if (const auto* result = std::get_if<ProofResult>(&state))
            return *result;
        if (const auto* progress = std::get_if<LevelProver::Progress>(&state); progress && seen)
            seen->push_back(*progress);
    }
}

// The proofs' copies of the level go to a temporary folder of the test's own, to be seen gone.
class LevelProverRun : public ::testing::Test
{
protected:
    LevelProverRun() { setenv("TMPDIR", copies.path().c_str(), 1); }
    ~LevelProverRun() override { unsetenv("TMPDIR"); }
    bool copiesLeft() const { return !fs::is_empty(copies.path()); }
    // A stand-in for the level tool: a script of its own.
    std::string fakeTool(const std::string& body)
    {
        const std::string path =
            tools.write(std::to_string(++made) + "/lumora-levels", "#!/bin/sh\n" + body + "\n");
        fs::permissions(path, fs::perms::owner_all);
        return path;
    }

    TempFolder copies;
    TempFolder tools;
    int made = 0;
};
} // namespace

TEST_F(LevelProverRun, TheRealToolProvesADraftAndItsResultIsRead)
{
    EXPECT_EQ(LevelProver::toolIn(std::string(buildFolder)),
              std::string(buildFolder) + "/tools/lumora-levels")
        << "the game's place";
    LevelProver prover(std::string(buildFolder) + "/tools/lumora-levels");
    EXPECT_TRUE(std::holds_alternative<std::monostate>(prover.poll()));

    LevelDraft draft = LevelDraft::parse(std::string("GENERATOR 50 300 3 0 100\n") + planet);
    prover.start(draft, 6);
    std::vector<LevelProver::Progress> seen;
    const ProofResult solved = resultOf(prover, &seen);
    ASSERT_EQ(solved.verdict, ProofResult::Verdict::Solved) << solved.problem;
    EXPECT_EQ(solved.hearts, 1);
    EXPECT_TRUE(solved.measured);
    EXPECT_EQ(solved.nudgeTrials, 20);
    EXPECT_EQ(solved.singlePercent.size(), 2u);
    EXPECT_FALSE(solved.pairWins);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front().phase, "starting");
    EXPECT_EQ(seen.back().phase, "measuring");
    EXPECT_TRUE(seen.back().fraction >= 0.5 && seen.back().fraction <= 1) << seen.back().fraction;
    EXPECT_FALSE(copiesLeft()) << "the level's copy outlived the proof";
    draft.solution = solved.solution;
    EXPECT_NE(draft.text().find("\nSOLUTION " + solved.solution + "\n"), std::string::npos);

    // The search's own figures depend on the machine's speed: a level without a planet captures none.
    const struct
    {
        std::string level;
        ProofResult::Verdict verdict;
    } cases[] = {
        {std::string("GENERATOR 50 420 3 0 100\n") + planet, ProofResult::Verdict::WonWithoutHearts},
        {"GENERATOR 50 300 3 0 100\n", ProofResult::Verdict::Unsolved},
    };
    for (const auto& c : cases)
    {
        prover.start(LevelDraft::parse(c.level), 1);
        const ProofResult result = resultOf(prover);
        EXPECT_EQ(result.verdict, c.verdict) << c.level << result.problem;
        EXPECT_EQ(result.captured, 0) << c.level;
    }

    prover.start(draft);
    prover.poll();
    prover.cancel();
    EXPECT_TRUE(std::holds_alternative<std::monostate>(prover.poll()));
    EXPECT_FALSE(copiesLeft()) << "a cancelled proof left its copy";
}

// Whatever goes wrong with the tool ends in a result that says so, and nothing is waited for.
TEST_F(LevelProverRun, AMissingDeadSilentOrStuckToolGivesAFailureThatSaysWhy)
{
    const struct
    {
        std::string tool;
        const char* problem;
    } cases[] = {
        {"", "the level tool could not be run: it is not beside the game"},
        {tools.file("nothing-here"), "the level tool could not be run: No such file or directory"},
        {fakeTool("echo 'progress 0.50 solving'; kill -SEGV $$"), "the level tool stopped with signal 11"},
        {fakeTool("echo 'result solved hearts=many'"),
         "the level tool ended without a result, with status 0"},
        {fakeTool("exit 2"), "the level tool could not read the level"},
    };
    for (const auto& c : cases)
    {
        LevelProver prover(c.tool);
        prover.start(LevelDraft());
        const ProofResult result = resultOf(prover);
        EXPECT_EQ(result.verdict, ProofResult::Verdict::Failed) << c.tool;
        EXPECT_EQ(result.problem, c.problem) << c.tool;
    }

    std::uint32_t now = 0;
    platform::setTickCountSource([&now] { return now; });
    LevelProver prover(fakeTool("echo 'progress 0.25 solving'; exec sleep 100"));
    prover.start(LevelDraft(), 1);
    while (std::get<LevelProver::Progress>(prover.poll()).fraction != 0.25)
        usleep(1000);
    now += 1000 + LevelProver::graceMs;
    EXPECT_EQ(std::get<LevelProver::Progress>(prover.poll()).fraction, 0.25) << "stopped within its time";
    now += 1;
    EXPECT_EQ(resultOf(prover).problem, "the level tool did not finish in its time");
    platform::setTickCountSource(nullptr);
    EXPECT_FALSE(copiesLeft());
}

TEST(ProofResultLine, EveryResultOfTheToolIsReadAndAnythingElseIsNot)
{
    const auto solved =
        ProofResult::parse("result solved hearts=2 captured=160 tolerance=18/20 light=1.5 dark=0.0 "
                           "singles=16 pairs=43 solution=dark 70 220 light 600 260");
    ASSERT_TRUE(solved);
    EXPECT_EQ(solved->solution, "dark 70 220 light 600 260");
    EXPECT_EQ(solved->singlePercent, (std::vector<double>{1.5, 0.0}));
    EXPECT_EQ(std::tuple(solved->hearts, solved->captured, solved->steadyTrials, solved->nudgeTrials,
                         solved->singleWins, solved->pairWins, solved->measured),
              std::tuple(2, 160, 18, 20, 16, std::optional<int>(43), true));
    const auto unmeasured = ProofResult::parse("result unmeasured hearts=1 captured=99 solution=light 1 2");
    ASSERT_TRUE(unmeasured);
    EXPECT_EQ(std::tuple(unmeasured->verdict, unmeasured->measured, unmeasured->solution),
              std::tuple(ProofResult::Verdict::Solved, false, std::string("light 1 2")));
    for (const char* line :
         {"result solved hearts=1 captured=9 tolerance=20 light=1 dark=1 singles=2 pairs=- "
          "solution=light 1 2",
          "result solved hearts=1 captured=9 tolerance=2/20 light=1 singles=2 pairs=- "
          "solution=light 1 2",
          "result unsolved captured=12", "result wonwithout hearts=0", "progress 0.5 solving",
          "result unmeasured hearts=1 captured=9", "result", ""})
        EXPECT_FALSE(ProofResult::parse(line)) << line;
}
