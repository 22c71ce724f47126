#include "platform/RegularFile.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform
{

bool isRegularFile(const std::string& name)
{
    struct stat status;
    return stat(name.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

int openRegularFile(const std::string& name)
{
    // Non-blocking only for the opening itself: a FIFO opens at once and is then turned away.
    const int descriptor = open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return -1;
    struct stat status;
    const int flags = fcntl(descriptor, F_GETFL);
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) || flags < 0 ||
        fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0)
    {
        close(descriptor);
        return -1;
    }
    return descriptor;
}

std::optional<std::string> readRegularFile(const std::string& name, std::size_t maxBytes,
                                           std::string& problem)
{
    struct stat status;
    if (lstat(name.c_str(), &status) != 0 && errno == ENOENT)
        return std::nullopt;
    const auto unreadable = [&problem]
    {
        problem = std::string("it cannot be read: ") + std::strerror(errno);
        return std::nullopt;
    };
    if (stat(name.c_str(), &status) != 0)
        return unreadable();
    const auto tooLarge = [&problem, maxBytes]
    {
        problem = "it is larger than " + std::to_string(maxBytes) + " bytes";
        return std::nullopt;
    };
    if (!S_ISREG(status.st_mode))
    {
        problem = "it is not a regular file";
        return std::nullopt;
    }
    if (static_cast<unsigned long long>(status.st_size) > maxBytes)
        return tooLarge();
    const int descriptor = openRegularFile(name);
    if (descriptor < 0)
        return unreadable();
    std::string content;
    char buffer[4096];
    // The file may have grown since it was measured.
    for (ssize_t got; (got = ::read(descriptor, buffer, sizeof buffer)) != 0;)
    {
        if (got < 0 || content.size() + static_cast<std::size_t>(got) > maxBytes)
        {
            const int error = errno;
            close(descriptor);
            errno = error;
            return got < 0 ? unreadable() : tooLarge();
        }
        content.append(buffer, static_cast<std::size_t>(got));
    }
    close(descriptor);
    return content;
}

} // namespace platform
