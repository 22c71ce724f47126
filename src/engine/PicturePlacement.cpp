#include "engine/PicturePlacement.h"

#include <cmath>

int PicturePlacement::pictureX(int windowX) const
{
    return static_cast<int>(std::floor((static_cast<float>(windowX) - left) / scale));
}

int PicturePlacement::pictureY(int windowY) const
{
    return static_cast<int>(std::floor((static_cast<float>(windowY) - top) / scale));
}
