#pragma once

#include "engine/Event.h"
#include "engine/PicturePlacement.h"

#include <SDL.h>

#include <cstddef>
#include <deque>
#include <optional>
#include <utility>

// The game's own first-in first-out queue of input between SDL and the EventManager. The main loop
// empties SDL's small queue into it every frame, so nothing is dropped there however fast input comes,
// and still posts one input event per frame from it. A motion that directly follows a queued motion
// replaces it: a long burst of motion shrinks to its latest position and a click behind it is never
// lost and never waits more than a few frames. What concerns the window rather than the game (closing
// it, a size the window manager gives it, F11 or Alt+Enter for full screen) is noted for the main loop
// instead of queued; losing the focus or being hidden is both noted and queued, as FocusLost.
class InputQueue
{
public:
    // Takes every event SDL holds.
    void drainSdl();
    // Turns one SDL event into the game's event and queues it; closing the window is noted, not
    // queued, and other kinds of SDL event are ignored.
    void push(const SDL_Event& sdlEvent);
    // The oldest queued input event, taken out of the queue; nothing when the queue is empty.
    std::optional<Event> pop();

    // Where the picture stands in the window: positions are turned into the picture's.
    void setPicturePlacement(const PicturePlacement& placement);
    // True when the window was uncovered or shown again since the last call: what it showed is gone.
    bool takeExposed();
    // True when the player asked to switch between the window and full screen since the last call.
    bool takeFullscreenToggle();
    // The latest size the window manager gave the window since the last call, if any.
    std::optional<std::pair<int, int>> takeResize();

    // True once the window has been closed.
    bool isQuitRequested() const;
    std::size_t size() const;

private:
    void queueMotion(Event motion);

    std::deque<Event> pending;
    bool quitRequested = false;
    bool exposed = false;
    bool fullscreenToggled = false;
    std::optional<std::pair<int, int>> resize;
    PicturePlacement picture;
};
