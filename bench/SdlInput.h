#pragma once

#include <SDL.h>

// Input for the benchmarks, put through SDL's own queue as a player's would arrive.
namespace SdlInput
{
// Queues a motion to, or a press or release at, window pixel (x, y); `button` only for presses and
// releases.
void pushMouse(Uint8 type, int x, int y, Uint8 button = SDL_BUTTON_LEFT);
} // namespace SdlInput
