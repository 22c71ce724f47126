#include "game/SafeFile.h"

#include "platform/RegularFile.h"

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace
{
constexpr mode_t newFileMode = 0666;

// A fresh file of its own: whatever stood under the name before is taken away, never written through, and
// something that appears in between, or that cannot be taken away, makes the write fail.
std::FILE* createFresh(const char* path)
{
    unlink(path);
    const int descriptor = open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, newFileMode);
    if (descriptor < 0)
        return nullptr;
    std::FILE* file = fdopen(descriptor, "w");
    if (!file)
        close(descriptor);
    return file;
}

bool writeWhole(const std::string& text, const char* path)
{
    std::FILE* file = createFresh(path);
    if (!file)
        return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
                         std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}
} // namespace

bool SafeFile::write(const std::string& path, const std::string& pending, const std::string& text)
{
    if (writeWhole(text, pending.c_str()) && std::rename(pending.c_str(), path.c_str()) == 0)
        return true;
    std::remove(pending.c_str());
    return false;
}

std::optional<std::string> SafeFile::read(const std::string& path, std::size_t maxBytes, std::string& problem)
{
    return platform::readRegularFile(path, maxBytes, problem);
}
