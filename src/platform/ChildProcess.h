#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

// A program the game runs beside itself (POSIX): started with its arguments in a working folder, its standard
// output read line by line without ever waiting, its end noticed, and killed once it is no longer wanted. It
// leads a process group of its own, so that killing it kills whatever it started too, and it is always
// reaped: no zombie outlives this object.
class ChildProcess
{
public:
    // A longer line is cut to this many bytes; the rest of it is dropped.
    static constexpr std::size_t longestLine = 4096;

    // Starts the program (a path, not looked up in PATH) with the arguments that follow its name, in the
    // folder, with empty standard input and the game's standard error.
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                 const std::string& folder);
    // Kills it, if it still runs, and reaps it.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Why it could not be started, in the system's words; empty when it was.
    const std::string& getStartProblem() const;
    // The whole lines it wrote since the last call, without their line ends and without waiting; once it has
    // ended, its last line too, ended or not.
    std::vector<std::string> readLines();
    // Whether it has ended, reaping it when it has; true when it never started. Never waits.
    bool hasEnded();
    // Its exit status once it has exited; nothing while it runs, or when a signal ended it.
    std::optional<int> exitStatus() const;
    // The signal that ended it; 0 when none did.
    int endingSignal() const;
    // Kills it and its process group, and reaps it; nothing when it has ended.
    void kill();
    // Its process id, -1 when it never started.
    pid_t getPid() const;

private:
    void noteEnding(int status);
    void takeBytes(const char* bytes, std::size_t count, std::vector<std::string>& lines);
    void endLine(std::vector<std::string>& lines);

    pid_t pid = -1;
    bool reaped = false;
    std::optional<int> status;
    int signal = 0;
    int output = -1;
    std::string startProblem;
    std::string partialLine;
    bool lineCut = false;
};
