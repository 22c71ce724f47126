#include "game/SaveFile.h"

#include "engine/StringConversion.h"

#include <cstdio>
#include <fstream>
#include <locale>

#include <unistd.h>

namespace
{
bool writeWhole(const std::string& text, const char* path)
{
    std::FILE* file = std::fopen(path, "w");
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
    std::ifstream in(fileName);
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
    if (!writeWhole(intToString(level) + "\n", pendingFileName))
    {
        std::remove(pendingFileName);
        return false;
    }
    if (std::rename(pendingFileName, fileName) != 0)
    {
        std::remove(pendingFileName);
        return false;
    }
    return true;
}
