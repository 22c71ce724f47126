#pragma once

#include <cstddef>
#include <vector>

class GravBody;
struct Particle;

// The bodies' centres, strengths and radii laid out side by side, so that the pulls and distances of four
// bodies are worked out at once with SSE. The results are exactly those of taking the bodies one after
// the other: every lane rounds each operation to single precision in the same order as the scalar
// formulas, and the pulls are added to the velocity body by body, in body order. Refilled by the World
// before every use, since placing a heart adds a body.
class BodyLanes
{
public:
    void assign(const std::vector<GravBody>& bodies);

    // Adds each body's pull, strength / d^2 towards its centre, to the particle's velocity, in body order.
    // A body whose centre is exactly at the particle gives no pull: it has no direction. Returns the index
    // of the first body whose radius reaches the particle (distance <= radius), or -1: the absorption test
    // sees the very same distances, since the particle does not move again before it.
    int pull(Particle& particle) const;

private:
    static constexpr std::size_t laneCount = 4;

    std::size_t count = 0;
    // Padded to whole groups of four; the padding lanes are computed and ignored.
    std::vector<float> x;
    std::vector<float> y;
    std::vector<float> z;
    std::vector<float> strength;
    std::vector<float> radius;
};
