#include "game/ProcessLevelUp.h"

#include "game/ScreenLayout.h"

ProcessLevelUp::ProcessLevelUp()
    : TimedOverlay("LEVEL COMPLETE!!", ScreenLayout::levelCompleteTopLeft.x,
                   ScreenLayout::levelCompleteTopLeft.y, durationMilliseconds)
{
}
