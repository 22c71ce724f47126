#include "world/BodyLanes.h"

#include "world/GravBody.h"
#include "world/Particle.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace
{
// The pull written the plain way, body after body with Vector3, against which the lanes, which work on
// four bodies at once, must agree bit for bit. Returns the first body that reaches the particle.
int plainPull(const std::vector<GravBody>& bodies, Particle& particle)
{
    int firstReaching = -1;
    for (std::size_t index = 0; index < bodies.size(); ++index)
    {
        const Vector3 toward = bodies[index].position - particle.position;
        const float distance = toward.length();
        if (firstReaching < 0 && distance <= bodies[index].radius)
            firstReaching = static_cast<int>(index);
        if (distance == 0)
            continue;
        const float inverseSquare = 1.0f / (distance * distance);
        particle.velocity =
            particle.velocity + (toward.normalised() * inverseSquare) * bodies[index].strength;
    }
    return firstReaching;
}

} // namespace

TEST(BodyLanes, AgreeBitForBitWithThePullTakenBodyByBody)
{
    std::mt19937 random(20240611);
    const auto between = [&](float low, float high)
    { return std::uniform_real_distribution<float>(low, high)(random); };
    BodyLanes lanes;
    int reached = 0;
    // Every filling of the last group of four. A particle at the origin meets the padding lanes' zeros, one
    // at a body's centre gets no pull from it, and overlapping bodies leave the particle to the first.
    for (std::size_t bodyCount = 0; bodyCount <= 13; ++bodyCount)
    {
        SCOPED_TRACE(::testing::Message() << bodyCount << " bodies");
        std::vector<GravBody> bodies;
        for (std::size_t body = 0; body < bodyCount; ++body)
            bodies.emplace_back(Vector3(between(0, 800), between(0, 600), 0), between(4, 40),
                                between(-400, 400), "b.png", 0);
        lanes.assign(bodies);
        std::vector<Particle> particles{{Vector3(), Vector3(1, 1, 0)}};
        if (bodyCount > 0)
            particles.push_back({bodies.back().position, Vector3(1, 1, 0)});
        for (int particle = 0; particle < 500; ++particle)
            particles.push_back(
                {Vector3(between(0, 800), between(0, 600), 0), Vector3(between(-3, 3), between(-3, 3), 0)});
        for (Particle particle : particles)
        {
            Particle plain = particle;
            const int expected = plainPull(bodies, plain);
            ASSERT_EQ(lanes.pull(particle), expected) << particle.position.x << "," << particle.position.y;
            ASSERT_EQ(std::memcmp(&particle.velocity, &plain.velocity, sizeof(Vector3)), 0)
                << particle.position.x;
            reached += expected >= 0 ? 1 : 0;
        }
    }
    EXPECT_GT(reached, 100) << "bodies reached few of the particles";
}
