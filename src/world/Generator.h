#pragma once

#include "world/Vector3.h"

// A source of the flow: each emission pass it releases one particle at its position with its velocity
// (units per step) until `remaining` is used up.
struct Generator
{
    Vector3 position;
    Vector3 velocity;
    // Particles still to release; nothing is released once it is 0 or less.
    int remaining = 0;
};
