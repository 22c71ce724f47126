#include "platform/Clock.h"
#include "world/World.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace
{
constexpr int particleCount = 2000;
constexpr int bodyCount = 10;
// Particles start at least this far from every body centre, so that none is absorbed in the measured step.
constexpr float clearance = 40;

// Ten bodies spread over the field: planets, other bodies, and pushing ones.
std::string bodyRecords()
{
    std::ostringstream records;
    for (int index = 0; index < bodyCount; ++index)
    {
        const float x = 80.0f + 70.0f * static_cast<float>(index);
        const float y = index % 2 == 0 ? 180.0f : 420.0f;
        const float strength = index % 3 == 2 ? -120.0f : 200.0f;
        const char* image = index % 2 == 0 ? "./graphics/planet.png" : "./graphics/moon.png";
        records << "GRAVBODY " << x << ' ' << y << " 25 " << strength << ' ' << image << " 1.5\n";
    }
    return records.str();
}

bool isClearOfBodies(float x, float y)
{
    for (int index = 0; index < bodyCount; ++index)
    {
        const float dx = x - (80.0f + 70.0f * static_cast<float>(index));
        const float dy = y - (index % 2 == 0 ? 180.0f : 420.0f);
        if (std::sqrt(dx * dx + dy * dy) < clearance)
            return false;
    }
    return true;
}

// One single-particle generator per particle, on a grid over the field, each with its own small velocity.
std::string generatorRecords()
{
    std::ostringstream records;
    int written = 0;
    for (int row = 0; row < 60 && written < particleCount; ++row)
        for (int column = 0; column < 60 && written < particleCount; ++column)
        {
            const float x = 10.0f + 13.0f * static_cast<float>(column);
            const float y = 10.0f + 9.8f * static_cast<float>(row);
            if (!isClearOfBodies(x, y))
                continue;
            const float vx = 0.01f * static_cast<float>(written % 7 - 3);
            const float vy = 0.01f * static_cast<float>(written % 5 - 2);
            records << "GENERATOR " << x << ' ' << y << ' ' << vx << ' ' << vy << " 1\n";
            ++written;
        }
    return records.str();
}

// A world holding exactly 2,000 particles in flight and 10 bodies, made through a real level file and the
// emission pass that releases every particle at once.
World makeFullWorld()
{
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "lumora-bench-level.txt";
    std::ofstream(file) << bodyRecords() << generatorRecords();
    std::uint32_t now = 0;
    platform::setTickCountSource([&now] { return now; });
    World::resetEmissionTimer();
    World world;
    world.load(file.string());
    world.step();
    now += World::emissionIntervalMs + 1;
    world.step();
    platform::setTickCountSource(nullptr);
    std::filesystem::remove(file);
    return world;
}

void worldStep(benchmark::State& state)
{
    const World prepared = makeFullWorld();
    const std::size_t particles = prepared.getParticles().size();
    const std::size_t bodies = prepared.getBodies().size();
    if (particles != particleCount || bodies != bodyCount)
    {
        state.SkipWithError("the prepared world does not hold 2,000 particles and 10 bodies");
        return;
    }
    // Every step starts from the same world; making the copy and freeing the last one are not timed.
    std::optional<World> world;
    for (auto _ : state)
    {
        state.PauseTiming();
        world.emplace(prepared);
        state.ResumeTiming();
        world->step();
        benchmark::DoNotOptimize(world->getCapturedCount());
    }
    const double pairs = static_cast<double>(particles * bodies);
    // Seconds per step divided by the pairs it handles, shown with an SI prefix ("2.5n" is 2.5 ns).
    state.counters["time_per_pair"] = benchmark::Counter(
        pairs, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(worldStep)->Unit(benchmark::kMicrosecond);
} // namespace
