#include "platform/ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace
{
constexpr std::size_t readSize = 4096;
// Reads of readSize one call takes at most, so that a child that writes without pause cannot hold the frame.
constexpr int readsPerCall = 16;

// What the child starts with, whatever the game set for itself: no blocked signal, every signal's default
// action (an ignored SIGPIPE or SIGINT would otherwise be inherited), and a process group of its own.
bool prepareAttributes(posix_spawnattr_t& attributes)
{
    sigset_t none;
    sigset_t all;
    sigemptyset(&none);
    sigfillset(&all);
    return posix_spawnattr_init(&attributes) == 0 &&
           posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK |
                                                     POSIX_SPAWN_SETSIGDEF) == 0 &&
           posix_spawnattr_setpgroup(&attributes, 0) == 0 &&
           posix_spawnattr_setsigmask(&attributes, &none) == 0 &&
           posix_spawnattr_setsigdefault(&attributes, &all) == 0;
}

int spawn(pid_t& pid, const std::string& program, const std::vector<std::string>& arguments,
          const std::string& folder, int outputEnd)
{
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    int error = posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    error = error ? error : posix_spawn_file_actions_adddup2(&actions, outputEnd, STDOUT_FILENO);
    error = error ? error : posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    error = error ? error : prepareAttributes(attributes) ? 0 : EINVAL;
    if (!error)
    {
        error = posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
        posix_spawnattr_destroy(&attributes);
    }
    posix_spawn_file_actions_destroy(&actions);
    return error;
}
} // namespace

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                           const std::string& folder)
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
    {
        startProblem = std::strerror(errno);
        return;
    }
    const int error = spawn(pid, program, arguments, folder, ends[1]);
    close(ends[1]);
    if (error != 0)
    {
        pid = -1;
        close(ends[0]);
        startProblem = std::strerror(error);
        return;
    }
    output = ends[0];
    fcntl(output, F_SETFL, fcntl(output, F_GETFL) | O_NONBLOCK);
}

ChildProcess::~ChildProcess()
{
    kill();
    if (output >= 0)
        close(output);
}

const std::string& ChildProcess::getStartProblem() const
{
    return startProblem;
}

std::vector<std::string> ChildProcess::readLines()
{
    std::vector<std::string> lines;
    char bytes[readSize];
    bool drained = false;
    for (int reads = 0; output >= 0 && !drained && reads < readsPerCall; ++reads)
    {
        const ssize_t got = read(output, bytes, sizeof bytes);
        if (got > 0)
            takeBytes(bytes, static_cast<std::size_t>(got), lines);
        else if (got == 0)
        {
            close(output);
            output = -1;
        }
        else
            drained = errno != EINTR;
    }
    // Whatever it started may keep the pipe open after it ended: its last line is not waited for.
    if ((output < 0 || (reaped && drained)) && !partialLine.empty())
        endLine(lines);
    return lines;
}

bool ChildProcess::hasEnded()
{
    if (pid < 0 || reaped)
        return true;
    int ending = 0;
    const pid_t found = waitpid(pid, &ending, WNOHANG);
    if (found == pid)
        noteEnding(ending);
    // Reaped by someone else, as when the game ignores SIGCHLD: ended, how is not known.
    else if (found < 0 && errno == ECHILD)
        reaped = true;
    return reaped;
}

std::optional<int> ChildProcess::exitStatus() const
{
    return status;
}

int ChildProcess::endingSignal() const
{
    return signal;
}

void ChildProcess::kill()
{
    if (hasEnded())
        return;
    ::kill(-pid, SIGKILL);
    int ending = 0;
    pid_t found = 0;
    while ((found = waitpid(pid, &ending, 0)) < 0 && errno == EINTR)
        continue;
    if (found == pid)
        noteEnding(ending);
    reaped = true;
}

pid_t ChildProcess::getPid() const
{
    return pid;
}

void ChildProcess::noteEnding(int ending)
{
    reaped = true;
    if (WIFEXITED(ending))
        status = WEXITSTATUS(ending);
    else if (WIFSIGNALED(ending))
        signal = WTERMSIG(ending);
}

void ChildProcess::takeBytes(const char* bytes, std::size_t count, std::vector<std::string>& lines)
{
    for (std::size_t index = 0; index < count; ++index)
    {
        if (bytes[index] == '\n')
            endLine(lines);
        else if (partialLine.size() < longestLine)
            partialLine += bytes[index];
        else
            lineCut = true;
    }
}

void ChildProcess::endLine(std::vector<std::string>& lines)
{
    lines.push_back(partialLine);
    partialLine.clear();
    lineCut = false;
}
