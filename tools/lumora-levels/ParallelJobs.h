#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Runs independent jobs in child processes, as many at once as the machine has processors, so that a long
// measurement uses every core. Processes rather than threads: a simulation drives its process's one clock
// and emission timer. Each job's result is text, written back to the parent through a pipe.
class ParallelJobs
{
public:
    // Runs job(0) to job(count - 1) and returns their results in that order: nothing for a job whose
    // process failed. With one processor, or one job, they run in this process.
    static std::vector<std::optional<std::string>> run(std::size_t count,
                                                       const std::function<std::string(std::size_t)>& job);

private:
    // Runs the jobs from `first` on, every `stride`-th, and writes each result to the descriptor as its
    // index, its length and its text.
    static void runShare(std::size_t count, std::size_t first, std::size_t stride,
                         const std::function<std::string(std::size_t)>& job, int descriptor);
    // Reads every result a child wrote until it closes its end.
    static void readShare(int descriptor, std::vector<std::optional<std::string>>& results);
};
