#pragma once

#include "engine/Event.h"

#include <SDL.h>

#include <cstddef>
#include <deque>
#include <optional>

// The game's own first-in first-out queue of input between SDL and the EventManager. The main loop
// empties SDL's small queue into it every frame, so nothing is dropped there however fast input comes,
// and still posts one input event per frame from it. A motion that directly follows a queued motion
// replaces it: a long burst of motion shrinks to its latest position and a click behind it is never
// lost and never waits more than a few frames.
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

    // Window pixels per picture pixel: positions are divided by it, so that they are the picture's.
    void setPixelScale(int scale);
    // True when the window was uncovered or shown again since the last call: what it showed is gone.
    bool takeExposed();

    // True once the window has been closed.
    bool isQuitRequested() const;
    std::size_t size() const;

private:
    void queueMotion(Event motion);

    std::deque<Event> pending;
    bool quitRequested = false;
    bool exposed = false;
    int pixelScale = 1;
};
