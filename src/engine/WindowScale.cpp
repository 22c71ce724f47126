#include "engine/WindowScale.h"

#include "graphics/PlayField.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace
{
// The largest factor, at least 1, whose window is at most width by height.
int largestWithin(int width, int height)
{
    const int factor = std::min(width / PlayField::width, height / PlayField::height);
    return std::clamp(factor, 1, WindowScale::largestFactor);
}

bool fits(int factor, int desktopWidth, int desktopHeight)
{
    const bool unknown = desktopWidth <= 0 || desktopHeight <= 0;
    return unknown ||
           (PlayField::width * factor <= desktopWidth && PlayField::height * factor <= desktopHeight);
}

// The factor the text names, or 0 when it names none.
int parseFactor(const char* text)
{
    char* end = nullptr;
    const long asked = std::strtol(text, &end, 10);
    const bool whole = end != text && *end == '\0';
    return whole && asked >= 1 && asked <= WindowScale::largestFactor ? static_cast<int>(asked) : 0;
}
} // namespace

WindowScale::Choice WindowScale::choose(int desktopWidth, int desktopHeight, const char* setting)
{
    const int automatic = largestWithin(desktopWidth, desktopHeight * desktopHeightPercent / 100);
    if (!setting || *setting == '\0')
        return Choice{automatic, ""};
    const int asked = parseFactor(setting);
    if (asked == 0)
        return Choice{automatic, std::string(variable) + " must be a whole number from 1 to " +
                                     std::to_string(largestFactor) + ", not \"" + setting +
                                     "\"; the window's size is chosen by the desktop"};
    if (fits(asked, desktopWidth, desktopHeight))
        return Choice{asked, ""};
    const int fitting = largestWithin(desktopWidth, desktopHeight);
    return Choice{fitting, std::string(variable) + "=" + std::to_string(asked) + " makes a window of " +
                               std::to_string(PlayField::width * asked) + "x" +
                               std::to_string(PlayField::height * asked) + ", larger than the desktop of " +
                               std::to_string(desktopWidth) + "x" + std::to_string(desktopHeight) +
                               "; the window is enlarged " + std::to_string(fitting) + " times instead"};
}

int WindowScale::forThisDesktop()
{
    const SDL_VideoInfo* desktop = SDL_GetVideoInfo();
    const Choice choice =
        choose(desktop ? desktop->current_w : 0, desktop ? desktop->current_h : 0, std::getenv(variable));
    if (!choice.note.empty())
        std::fprintf(stderr, "lumora: %s\n", choice.note.c_str());
    return choice.factor;
}
