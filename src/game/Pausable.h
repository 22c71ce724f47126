#pragma once

// A phase of a level that the player can pause: while paused it does nothing and its time stands still,
// so that on resume it goes on exactly where it stopped. The game screen pauses and resumes its phase.
class Pausable
{
public:
    virtual ~Pausable() = default;

    virtual void pause() = 0;
    virtual void resume() = 0;
};
