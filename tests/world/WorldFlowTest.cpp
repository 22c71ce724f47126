#include "support/ManualClock.h"
#include "support/TempFolder.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <iterator>
#include <list>
#include <random>
#include <sstream>
#include <vector>

namespace
{
// The step written the plain way, body after body with Vector3, against which the World's own step, which
// works on four bodies at once, must agree bit for bit.
class PlainStep
{
public:
    PlainStep(const std::vector<Generator>& levelGenerators, const std::vector<GravBody>& levelBodies)
        : generators(levelGenerators), bodies(levelBodies)
    {
    }

    void step(bool emissionPass)
    {
        if (emissionPass)
            for (Generator& generator : generators)
                if (generator.remaining > 0)
                {
                    --generator.remaining;
                    particles.push_back(Particle{generator.position, generator.velocity});
                }
        for (Particle& particle : particles)
        {
            particle.position = particle.position + particle.velocity;
            for (const GravBody& body : bodies)
            {
                const Vector3 toward = body.position - particle.position;
                const float distance = toward.length();
                if (distance == 0)
                    continue;
                const float inverseSquare = 1.0f / (distance * distance);
                particle.velocity = particle.velocity + (toward.normalised() * inverseSquare) * body.strength;
            }
        }
        for (auto particle = particles.begin(); particle != particles.end();)
            particle = isCollected(*particle) ? particles.erase(particle) : std::next(particle);
        for (GravBody& body : bodies)
        {
            body.angle = body.angle + body.spin;
            if (body.angle > 360)
                body.angle = 0;
        }
    }

    std::vector<Generator> generators;
    std::vector<GravBody> bodies;
    std::list<Particle> particles;
    int captured = 0;

private:
    bool isCollected(const Particle& particle)
    {
        const Vector3& at = particle.position;
        if (at.x < -100 || at.x > 900 || at.y < -100 || at.y > 700)
            return true;
        for (const GravBody& body : bodies)
            if ((at - body.position).length() <= body.radius)
            {
                captured += body.textureName == "./graphics/planet.png" ? 1 : 0;
                return true;
            }
        return false;
    }
};

bool sameBits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameBits(const Vector3& a, const Vector3& b)
{
    return sameBits(a.x, b.x) && sameBits(a.y, b.y) && sameBits(a.z, b.z);
}

// A level with a random number of bodies, so that every filling of the last group of four is met.
std::string randomLevel(std::mt19937& random, int bodyCount)
{
    std::uniform_real_distribution<float> x(0, 800);
    std::uniform_real_distribution<float> y(0, 600);
    std::uniform_real_distribution<float> radius(4, 40);
    std::uniform_real_distribution<float> strength(-400, 400);
    std::uniform_real_distribution<float> speed(-3, 3);
    std::uniform_int_distribution<int> count(5, 60);
    std::ostringstream level;
    level.precision(9);
    for (int body = 0; body < bodyCount; ++body)
        level << "GRAVBODY " << x(random) << ' ' << y(random) << ' ' << radius(random) << ' '
              << strength(random) << (body % 3 == 0 ? " ./graphics/planet.png " : " ./graphics/moon.png ")
              << speed(random) * 7 << '\n';
    for (int generator = 0; generator < 3; ++generator)
        level << "GENERATOR " << x(random) << ' ' << y(random) << ' ' << speed(random) << ' ' << speed(random)
              << ' ' << count(random) << '\n';
    return level.str();
}
} // namespace

TEST(WorldFlow, AgreesBitForBitWithTheStepTakenBodyByBody)
{
    ManualClock clock;
    TempFolder folder;
    std::mt19937 random(20240611);
    for (int bodyCount = 0; bodyCount <= 13; ++bodyCount)
    {
        SCOPED_TRACE(::testing::Message() << bodyCount << " bodies");
        World::resetEmissionTimer();
        World world;
        world.load(folder.write("level.txt", randomLevel(random, bodyCount)));
        PlainStep plain(world.getGenerators(), world.getBodies());
        ASSERT_EQ(plain.bodies.size(), static_cast<std::size_t>(bodyCount));

        std::size_t mostParticles = 0;
        for (int step = 0; step < 700; ++step)
        {
            clock.advance(10);
            world.step();
            plain.step(step > 0 && step % 6 == 0);
            ASSERT_EQ(world.getCapturedCount(), plain.captured) << "step " << step;
            ASSERT_EQ(world.getParticles().size(), plain.particles.size()) << "step " << step;
            auto expected = plain.particles.begin();
            for (const Particle& particle : world.getParticles())
            {
                ASSERT_TRUE(sameBits(particle.position, expected->position)) << "step " << step;
                ASSERT_TRUE(sameBits(particle.velocity, expected->velocity)) << "step " << step;
                ++expected;
            }
            for (std::size_t body = 0; body < plain.bodies.size(); ++body)
                ASSERT_TRUE(sameBits(world.getBodies()[body].angle, plain.bodies[body].angle));
            mostParticles = std::max(mostParticles, plain.particles.size());
        }
        EXPECT_GT(mostParticles, 5u) << "the flow was never under way";
    }
}
