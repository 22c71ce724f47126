#include "game/LevelFileName.h"

#include "engine/GameFiles.h"
#include "engine/StringConversion.h"

std::string levelFileName(int level)
{
    return GameFiles::levelPrefix + intToString(level) + GameFiles::levelSuffix;
}
