#include "game/SaveFile.h"

#include "engine/StringConversion.h"
#include "game/GameFiles.h"
#include "game/SafeFile.h"
#include "platform/RegularFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <locale>
#include <sstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace
{
// A save is a number and a line end: what stands beyond this many bytes is never read.
constexpr std::size_t saveBytesRead = 4096;

// What was last told of the save, so that every read of the same unusable save does not say it again.
std::string problemTold;

void tellProblem(const std::string& problem)
{
    if (problem == problemTold)
        return;
    problemTold = problem;
    std::error_code noFolder;
    const std::filesystem::path absolute = std::filesystem::absolute(GameFiles::save, noFolder);
    const std::string path = noFolder ? GameFiles::save : absolute.lexically_normal().string();
    std::fprintf(stderr, "lumora: the save %s %s, so CONTINUE starts at level %d\n", path.c_str(),
                 problem.c_str(), SaveFile::firstLevel);
}

std::string unreadable()
{
    return std::string("cannot be read (") + std::strerror(errno) + ")";
}

// The save's first bytes; none, with what is wrong, when it cannot be read. A FIFO or a device in the
// save's place would block CONTINUE or never end: only a regular file is read.
std::optional<std::string> readSaveText(std::string& problem)
{
    struct stat status;
    if (stat(GameFiles::save, &status) == 0 && !S_ISREG(status.st_mode))
    {
        problem = "is not a regular file";
        return std::nullopt;
    }
    const int descriptor = platform::openRegularFile(GameFiles::save);
    if (descriptor < 0)
    {
        problem = unreadable();
        return std::nullopt;
    }
    char bytes[saveBytesRead];
    const ssize_t count = read(descriptor, bytes, sizeof bytes);
    if (count < 0)
        problem = unreadable();
    close(descriptor);
    if (count < 0)
        return std::nullopt;
    return std::string(bytes, static_cast<std::size_t>(count));
}

// The level of a usable save; none without one, and then what is wrong with the save there is, if any.
std::optional<int> savedLevel(std::string& problem)
{
    struct stat status;
    if (lstat(GameFiles::save, &status) != 0 && (errno == ENOENT || errno == ENOTDIR))
        return std::nullopt;
    const std::optional<std::string> text = readSaveText(problem);
    if (!text)
        return std::nullopt;
    std::istringstream in(*text);
    const std::optional<int> level = SaveFile::parseLevel(in);
    if (!level)
        problem = "holds no level number";
    return level;
}
} // namespace

int SaveFile::readLevel()
{
    std::string problem;
    const std::optional<int> level = savedLevel(problem);
    if (problem.empty())
        problemTold.clear();
    else
        tellProblem(problem);
    return level.value_or(firstLevel);
}

std::optional<int> SaveFile::parseLevel(std::istream& in)
{
    in.imbue(std::locale::classic());
    int level = 0;
    if (!(in >> level) || level < firstLevel)
        return std::nullopt;
    return level;
}

bool SaveFile::writeLevel(int level)
{
    return SafeFile::write(GameFiles::save, GameFiles::pendingSave, intToString(level) + "\n");
}
