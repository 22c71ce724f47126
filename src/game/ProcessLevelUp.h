#pragma once

#include "game/TimedOverlay.h"

// "LEVEL COMPLETE!!" for two seconds after a level's goal is reached; then the game screen prepares
// the next level.
class ProcessLevelUp : public TimedOverlay
{
public:
    static constexpr std::uint32_t durationMilliseconds = 2000;

    ProcessLevelUp();
};
