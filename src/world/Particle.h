#pragma once

#include "world/Vector3.h"

// One heart of the flow, moving by its velocity every step. Background stars deliberately use the same
// record: their position holds x, y and the point size in z (0, 1 or 2), and their velocity stays 0; the
// star drawing reads the size from z.
struct Particle
{
    Vector3 position;
    Vector3 velocity;
};
