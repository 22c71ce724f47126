#pragma once

#include "engine/Object.h"

#include <string>

// Music and sound effects by file name. Core owns the one handler.
class SoundHandler : public Object
{
public:
    // Stops the music playing, if any, and loops this file without end.
    void playMusic(const std::string& name);
    // Plays the effect once on a free channel, over whatever plays already.
    void playSound(const std::string& name);
    // Loads and caches the effect without playing it.
    void loadSound(const std::string& name);
    // The per-frame update of the sound back-end.
    void update();
};
