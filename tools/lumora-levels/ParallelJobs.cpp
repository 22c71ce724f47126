#include "ParallelJobs.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <iostream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
bool writeAll(int descriptor, const std::string& text)
{
    std::size_t written = 0;
    while (written < text.size())
    {
        const ssize_t count = write(descriptor, text.data() + written, text.size() - written);
        if (count <= 0)
            return false;
        written += static_cast<std::size_t>(count);
    }
    return true;
}
} // namespace

std::vector<std::optional<std::string>> ParallelJobs::run(std::size_t count,
                                                          const std::function<std::string(std::size_t)>& job)
{
    std::vector<std::optional<std::string>> results(count);
    const long processors = sysconf(_SC_NPROCESSORS_ONLN);
    const std::size_t workers = std::min(count, static_cast<std::size_t>(std::max(processors, 1L)));
    if (workers <= 1)
    {
        for (std::size_t index = 0; index < count; ++index)
            results[index] = job(index);
        return results;
    }
    // Whatever is buffered would otherwise be written once by every child as well.
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::vector<pid_t> children;
    std::vector<int> readEnds;
    for (std::size_t worker = 0; worker < workers; ++worker)
    {
        int ends[2];
        if (pipe(ends) != 0)
            break;
        const pid_t child = fork();
        if (child == 0)
        {
            close(ends[0]);
            for (const int other : readEnds)
                close(other);
            runShare(count, worker, workers, job, ends[1]);
        }
        close(ends[1]);
        if (child < 0)
        {
            close(ends[0]);
            break;
        }
        children.push_back(child);
        readEnds.push_back(ends[0]);
    }
    // Children write in turn as each job ends; a pipe holds little, so each is read to its end in order
    // while the others wait on a full pipe at worst.
    for (const int readEnd : readEnds)
    {
        readShare(readEnd, results);
        close(readEnd);
    }
    for (const pid_t child : children)
        waitpid(child, nullptr, 0);
    return results;
}

void ParallelJobs::runShare(std::size_t count, std::size_t first, std::size_t stride,
                            const std::function<std::string(std::size_t)>& job, int descriptor)
{
    int status = 0;
    try
    {
        for (std::size_t index = first; index < count; index += stride)
        {
            const std::string result = job(index);
            if (!writeAll(descriptor,
                          std::to_string(index) + ' ' + std::to_string(result.size()) + '\n' + result))
                break;
        }
    }
    catch (const std::exception& failure)
    {
        std::cerr << "lumora-levels: " << failure.what() << '\n';
        status = 1;
    }
    close(descriptor);
    // Leaves without the parent's exit handlers and buffers, which are the parent's to run and flush.
    _exit(status);
}

void ParallelJobs::readShare(int descriptor, std::vector<std::optional<std::string>>& results)
{
    std::string received;
    char buffer[4096];
    ssize_t count = 0;
    while ((count = read(descriptor, buffer, sizeof buffer)) > 0)
        received.append(buffer, static_cast<std::size_t>(count));
    std::istringstream in(received);
    std::size_t index = 0;
    std::size_t length = 0;
    while (in >> index >> length && in.get() == '\n' && index < results.size())
    {
        std::string text(length, '\0');
        if (!in.read(text.data(), static_cast<std::streamsize>(length)))
            break;
        results[index] = std::move(text);
    }
}
