#include "game/LevelFileName.h"

#include "engine/StringConversion.h"

std::string levelFileName(int level)
{
    return "./levels/level" + intToString(level) + ".txt";
}
