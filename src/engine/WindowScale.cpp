#include "engine/WindowScale.h"

#include "engine/MainLoop.h"

#include <SDL.h>

#include <cstdlib>

int WindowScale::choose(int desktopHeight, const char* setting)
{
    if (setting)
    {
        char* end = nullptr;
        const long asked = std::strtol(setting, &end, 10);
        if (end != setting && *end == '\0' && asked >= 1 && asked <= largestFactor)
            return static_cast<int>(asked);
    }
    const int fitting = desktopHeight * desktopHeightPercent / 100 / MainLoop::windowHeight;
    return fitting < 1 ? 1 : (fitting > largestFactor ? largestFactor : fitting);
}

int WindowScale::forThisDesktop()
{
    const SDL_VideoInfo* desktop = SDL_GetVideoInfo();
    return choose(desktop ? desktop->current_h : 0, std::getenv("LUMORA_SCALE"));
}
