#include "engine/InputQueue.h"

#include "engine/EventType.h"
#include "engine/StringConversion.h"

namespace
{
Event keyEvent(int type, const SDL_KeyboardEvent& key)
{
    Event event(type);
    event.addParameter(intToString(key.keysym.sym));
    return event;
}

// A window pixel shows the picture pixel at its position divided by the scale, rounded down.
Event buttonEvent(int type, const SDL_MouseButtonEvent& button, int scale)
{
    Event event(type);
    event.addParameter(intToString(button.x / scale));
    event.addParameter(intToString(button.y / scale));
    event.addParameter(intToString(button.button));
    return event;
}

Event motionEvent(const SDL_MouseMotionEvent& motion, int scale)
{
    Event event(MouseMove);
    event.addParameter(intToString(motion.x / scale));
    event.addParameter(intToString(motion.y / scale));
    return event;
}
} // namespace

void InputQueue::drainSdl()
{
    SDL_Event sdlEvent;
    while (SDL_PollEvent(&sdlEvent))
        push(sdlEvent);
}

void InputQueue::push(const SDL_Event& sdlEvent)
{
    switch (sdlEvent.type)
    {
    case SDL_KEYDOWN:
        pending.push_back(keyEvent(KeyDown, sdlEvent.key));
        break;
    case SDL_KEYUP:
        pending.push_back(keyEvent(KeyUp, sdlEvent.key));
        break;
    case SDL_MOUSEMOTION:
        queueMotion(motionEvent(sdlEvent.motion, pixelScale));
        break;
    case SDL_MOUSEBUTTONDOWN:
        pending.push_back(buttonEvent(MouseDown, sdlEvent.button, pixelScale));
        break;
    case SDL_MOUSEBUTTONUP:
        pending.push_back(buttonEvent(MouseUp, sdlEvent.button, pixelScale));
        break;
    case SDL_QUIT:
        quitRequested = true;
        break;
    case SDL_VIDEOEXPOSE:
    case SDL_ACTIVEEVENT:
        exposed = true;
        break;
    default:
        break;
    }
}

std::optional<Event> InputQueue::pop()
{
    if (pending.empty())
        return std::nullopt;
    Event next = pending.front();
    pending.pop_front();
    return next;
}

void InputQueue::setPixelScale(int scale)
{
    pixelScale = scale;
}

bool InputQueue::takeExposed()
{
    const bool wasExposed = exposed;
    exposed = false;
    return wasExposed;
}

bool InputQueue::isQuitRequested() const
{
    return quitRequested;
}

std::size_t InputQueue::size() const
{
    return pending.size();
}

void InputQueue::queueMotion(Event motion)
{
    if (!pending.empty() && pending.back().type == MouseMove)
        pending.back() = motion;
    else
        pending.push_back(motion);
}
