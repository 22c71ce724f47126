#include "world/LevelRules.h"

#include "engine/GameFiles.h"

const char* LevelRules::pictureOf(Heart kind)
{
    return kind == Heart::Light ? GameFiles::lightHeartPicture : GameFiles::darkHeartPicture;
}

float LevelRules::strengthOf(Heart kind)
{
    return kind == Heart::Light ? heartPull : -heartPull;
}
