#include "SdlInput.h"

void SdlInput::pushMouse(Uint8 type, int x, int y, Uint8 button)
{
    SDL_Event event{};
    event.type = type;
    if (type == SDL_MOUSEMOTION)
    {
        event.motion.x = static_cast<Uint16>(x);
        event.motion.y = static_cast<Uint16>(y);
    }
    else
    {
        event.button.x = static_cast<Uint16>(x);
        event.button.y = static_cast<Uint16>(y);
        event.button.button = button;
    }
    SDL_PushEvent(&event);
}
