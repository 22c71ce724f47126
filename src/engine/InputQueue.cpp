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

Event buttonEvent(int type, const SDL_MouseButtonEvent& button)
{
    Event event(type);
    event.addParameter(intToString(button.x));
    event.addParameter(intToString(button.y));
    event.addParameter(intToString(button.button));
    return event;
}

Event motionEvent(const SDL_MouseMotionEvent& motion)
{
    Event event(MouseMove);
    event.addParameter(intToString(motion.x));
    event.addParameter(intToString(motion.y));
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
        queueMotion(motionEvent(sdlEvent.motion));
        break;
    case SDL_MOUSEBUTTONDOWN:
        pending.push_back(buttonEvent(MouseDown, sdlEvent.button));
        break;
    case SDL_MOUSEBUTTONUP:
        pending.push_back(buttonEvent(MouseUp, sdlEvent.button));
        break;
    case SDL_QUIT:
        quitRequested = true;
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
