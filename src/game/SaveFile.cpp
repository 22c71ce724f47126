#include "game/SaveFile.h"

#include "engine/StringConversion.h"
#include "game/GameFiles.h"
#include "platform/RegularFile.h"

#include <cstdio>
#include <fstream>
#include <locale>

#include <fcntl.h>
#include <unistd.h>

namespace
{
constexpr mode_t newFileMode = 0666;

// A fresh file of its own: whatever stood under the name before (a link leading elsewhere, a second name
// of another file) is taken away, never written through, and something that appears in between, or that
// cannot be taken away, makes the write fail.
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
    const bool written =
        std::fputs(text.c_str(), file) >= 0 && std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}
} // namespace

int SaveFile::readLevel()
{
    // A FIFO or a device in the save's place would block CONTINUE or never end: only a regular file is a
    // save.
    if (!platform::isRegularFile(GameFiles::save))
        return firstLevel;
    std::ifstream in(GameFiles::save);
    return parseLevel(in);
}

int SaveFile::parseLevel(std::istream& in)
{
    in.imbue(std::locale::classic());
    int level = 0;
    if (!(in >> level) || level < firstLevel)
        return firstLevel;
    return level;
}

bool SaveFile::writeLevel(int level)
{
    if (writeWhole(intToString(level) + "\n", GameFiles::pendingSave) &&
        std::rename(GameFiles::pendingSave, GameFiles::save) == 0)
        return true;
    // Whatever part of the new file was written goes; the old save stays as it was.
    std::remove(GameFiles::pendingSave);
    return false;
}
