#include "world/LevelRules.h"

const char* LevelRules::pictureOf(Heart kind)
{
    return kind == Heart::Light ? lightHeartPicture : darkHeartPicture;
}

float LevelRules::strengthOf(Heart kind)
{
    return kind == Heart::Light ? heartPull : -heartPull;
}
