#pragma once

#include "game/TimedOverlay.h"

// "CONGRATULATIONS! YOU WON THE GAME!!" for four seconds after the last level; then the game screen
// ends and the menu returns.
class ProcessCongratulations : public TimedOverlay
{
public:
    static constexpr std::uint32_t durationMilliseconds = 4000;

    ProcessCongratulations();
};
