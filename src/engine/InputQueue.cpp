#include "engine/InputQueue.h"

#include "engine/EventType.h"
#include "engine/StringConversion.h"

namespace
{
Event keyEvent(int type, const SDL_KeyboardEvent& key)
{
    Event event(type);
    event.addParameter(intToString(key.keysym.sym));
    if (type == KeyDown)
    {
        event.addParameter(intToString(key.keysym.unicode));
        event.addParameter(intToString(key.keysym.mod));
    }
    return event;
}

Event buttonEvent(int type, const SDL_MouseButtonEvent& button, const PicturePlacement& picture)
{
    Event event(type);
    event.addParameter(intToString(picture.pictureX(button.x)));
    event.addParameter(intToString(picture.pictureY(button.y)));
    event.addParameter(intToString(button.button));
    return event;
}

Event motionEvent(const SDL_MouseMotionEvent& motion, const PicturePlacement& picture)
{
    Event event(MouseMove);
    event.addParameter(intToString(picture.pictureX(motion.x)));
    event.addParameter(intToString(picture.pictureY(motion.y)));
    return event;
}

bool isFullscreenKey(const SDL_KeyboardEvent& key)
{
    const bool enter = key.keysym.sym == SDLK_RETURN || key.keysym.sym == SDLK_KP_ENTER;
    return key.keysym.sym == SDLK_F11 || (enter && (key.keysym.mod & KMOD_ALT) != 0);
}

bool isFocusLost(const SDL_ActiveEvent& active)
{
    return active.gain == 0 && (active.state & (SDL_APPINPUTFOCUS | SDL_APPACTIVE)) != 0;
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
        if (isFullscreenKey(sdlEvent.key))
            fullscreenToggled = true;
        else
            pending.push_back(keyEvent(KeyDown, sdlEvent.key));
        break;
    case SDL_KEYUP:
        pending.push_back(keyEvent(KeyUp, sdlEvent.key));
        break;
    case SDL_MOUSEMOTION:
        queueMotion(motionEvent(sdlEvent.motion, picture));
        break;
    case SDL_MOUSEBUTTONDOWN:
        pending.push_back(buttonEvent(MouseDown, sdlEvent.button, picture));
        break;
    case SDL_MOUSEBUTTONUP:
        pending.push_back(buttonEvent(MouseUp, sdlEvent.button, picture));
        break;
    case SDL_QUIT:
        quitRequested = true;
        break;
    case SDL_VIDEORESIZE:
        resize = std::make_pair(sdlEvent.resize.w, sdlEvent.resize.h);
        break;
    case SDL_ACTIVEEVENT:
        if (isFocusLost(sdlEvent.active))
            pending.push_back(Event(FocusLost));
        exposed = true;
        break;
    case SDL_VIDEOEXPOSE:
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

void InputQueue::setPicturePlacement(const PicturePlacement& placement)
{
    picture = placement;
}

bool InputQueue::takeExposed()
{
    const bool wasExposed = exposed;
    exposed = false;
    return wasExposed;
}

bool InputQueue::takeFullscreenToggle()
{
    const bool toggled = fullscreenToggled;
    fullscreenToggled = false;
    return toggled;
}

std::optional<std::pair<int, int>> InputQueue::takeResize()
{
    return std::exchange(resize, std::nullopt);
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
