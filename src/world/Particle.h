#pragma once

#include "world/Vector3.h"

// One heart of the flow, moving by its velocity every step. Background stars use the same record: their
// position holds x, y and the point size, and their velocity stays 0.
struct Particle
{
    Vector3 position;
    Vector3 velocity;
};
