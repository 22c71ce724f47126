#include "game/ProcessCongratulations.h"

ProcessCongratulations::ProcessCongratulations()
    : TimedOverlay("CONGRATULATIONS! YOU WON THE GAME!!", 20, 300, durationMilliseconds)
{
}
