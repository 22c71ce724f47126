#include "game/ProcessCongratulations.h"

#include "game/ScreenLayout.h"

ProcessCongratulations::ProcessCongratulations()
    : TimedOverlay("CONGRATULATIONS! YOU WON THE GAME!!", ScreenLayout::congratulationsTopLeft.x,
                   ScreenLayout::congratulationsTopLeft.y, durationMilliseconds)
{
}
