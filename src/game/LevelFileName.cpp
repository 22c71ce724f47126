#include "game/LevelFileName.h"

#include "engine/StringConversion.h"
#include "game/GameFiles.h"

std::string levelFileName(int level)
{
    return GameFiles::levelPrefix + intToString(level) + GameFiles::levelSuffix;
}
