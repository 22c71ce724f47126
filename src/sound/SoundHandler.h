#pragma once

#include "engine/Object.h"

// Music and sound effects by file name. Core owns the one handler.
class SoundHandler : public Object
{
public:
    // The per-frame update of the sound back-end.
    void update();
};
