#include "platform/ChildProcess.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

namespace
{
// Every line the child writes until it ends, read as the game reads it, a poll at a time.
std::vector<std::string> linesUntilEnd(ChildProcess& child)
{
    std::vector<std::string> lines;
    for (bool ended = false; !ended;)
    {
        ended = child.hasEnded();
        for (const std::string& line : child.readLines())
            lines.push_back(line);
        usleep(1000);
    }
    return lines;
}

// The process's state letter from /proc ('Z' for a zombie), or nothing when there is no such process.
std::optional<char> stateOf(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line) || line.rfind(')') == std::string::npos)
        return std::nullopt;
    return line.at(line.rfind(')') + 2);
}

// Whether the process still runs, given it some seconds to die of a signal sent to it.
bool outlives(pid_t pid)
{
    for (int wait = 0; wait < 5000; ++wait, usleep(1000))
        if (!stateOf(pid) || stateOf(pid) == 'Z')
            return false;
    return true;
}
} // namespace

TEST(ChildProcess, ItsLinesItsFolderAndItsEndingAreReadWithoutWaiting)
{
    TempFolder folder;
    const std::string where = std::filesystem::canonical(folder.path()).string();
    // The game may ignore a signal; its child must not inherit that.
    const auto gameInterrupt = std::signal(SIGINT, SIG_IGN);
    const struct
    {
        const char* script;
        std::vector<std::string> lines;
        std::optional<int> status;
        int signal;
    } cases[] = {
        {"pwd -P; printf 'two\\n\\nfour'; exit 3", {where, "two", "", "four"}, 3, 0},
        {"head -c 5000 /dev/zero | tr '\\0' a; echo; echo next",
         {std::string(ChildProcess::longestLine, 'a'), "next"},
         0,
         0},
        {"echo before; kill -INT $$; echo survived", {"before"}, std::nullopt, SIGINT},
    };
    for (const auto& c : cases)
    {
        ChildProcess child("/bin/sh", {"-c", c.script}, folder.path());
        EXPECT_EQ(child.getStartProblem(), "");
        EXPECT_EQ(linesUntilEnd(child), c.lines) << c.script;
        EXPECT_EQ(child.exitStatus(), c.status) << c.script;
        EXPECT_EQ(child.endingSignal(), c.signal) << c.script;
    }
    std::signal(SIGINT, gameInterrupt);

    for (const auto& [program, place] : {std::pair{"/no/such/program", "."}, {"/bin/sh", "/no/such/folder"}})
    {
        ChildProcess missing(program, {"-c", "echo ran"}, place);
        EXPECT_EQ(missing.getStartProblem(), "No such file or directory") << program << " in " << place;
        EXPECT_TRUE(missing.hasEnded());
        EXPECT_TRUE(missing.readLines().empty());
    }
}

// A child that runs on, and what it started, are killed when asked or when it is let go, and no zombie is
// left.
TEST(ChildProcess, KillingTakesItsWholeGroupAndNothingIsLeftAZombie)
{
    pid_t grandchild = 0;
    pid_t killed = 0;
    {
        ChildProcess child("/bin/sh", {"-c", "sleep 100 & echo $!; wait"}, ".");
        std::vector<std::string> lines;
        while (lines.empty())
            lines = child.readLines();
        grandchild = std::stoi(lines.at(0));
        EXPECT_TRUE(child.readLines().empty()) << "a read waited";
        EXPECT_FALSE(child.hasEnded());
        child.kill();
        EXPECT_TRUE(child.hasEnded());
        EXPECT_EQ(child.endingSignal(), SIGKILL);
        killed = child.getPid();
    }
    EXPECT_FALSE(outlives(grandchild)) << "what the child started runs on";
    EXPECT_FALSE(stateOf(killed)) << "the killed child was left a zombie";

    pid_t ended = 0;
    pid_t running = 0;
    {
        ChildProcess quick("/bin/true", {}, ".");
        ChildProcess slow("/bin/sleep", {"100"}, ".");
        ended = quick.getPid();
        running = slow.getPid();
        while (stateOf(ended) != 'Z')
            usleep(1000);
    }
    EXPECT_FALSE(stateOf(ended)) << "a child that ended unseen was left a zombie";
    EXPECT_FALSE(stateOf(running)) << "a running child outlived its object";
}
