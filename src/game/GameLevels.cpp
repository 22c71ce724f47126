#include "game/GameLevels.h"

#include "engine/StringConversion.h"
#include "game/GameFiles.h"
#include "platform/RegularFile.h"
#include "world/LevelCaption.h"
#include "world/LevelReader.h"

#include <fstream>
#include <string>

#include <unistd.h>

namespace
{
// The start of a regular file, at most `limit` bytes; empty when it cannot be read.
std::string startOf(const std::string& name, std::size_t limit)
{
    const int descriptor = platform::openRegularFile(name);
    if (descriptor < 0)
        return std::string();
    std::string bytes(limit, '\0');
    std::size_t filled = 0;
    while (filled < limit)
    {
        const ssize_t got = read(descriptor, bytes.data() + filled, limit - filled);
        if (got <= 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    close(descriptor);
    bytes.resize(filled);
    return bytes;
}

bool isBlankByte(char byte)
{
    return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\r' || byte == '\v' || byte == '\f';
}
} // namespace

std::string GameLevels::fileName(int level)
{
    return GameFiles::levelPrefix + intToString(level) + GameFiles::levelSuffix;
}

bool GameLevels::exists(int level)
{
    const std::string name = fileName(level);
    return platform::isRegularFile(name) && std::ifstream(name).is_open();
}

int GameLevels::count()
{
    int levels = 0;
    while (levels < mostListed && exists(levels + 1))
        ++levels;
    return levels;
}

// The remarks begin after the first whole "//REMARKS" token, as the loader reads them.
std::string GameLevels::title(int level)
{
    const std::string text = startOf(fileName(level), titleBytesRead);
    const std::string keyword = LevelReader::remarksKeyword;
    for (std::size_t found = text.find(keyword); found != std::string::npos;
         found = text.find(keyword, found + 1))
    {
        const std::size_t end = found + keyword.size();
        const bool whole =
            (found == 0 || isBlankByte(text[found - 1])) && (end == text.size() || isBlankByte(text[end]));
        if (whole)
            return LevelCaption::findIn(text.substr(end)).getTitle();
    }
    return std::string();
}
