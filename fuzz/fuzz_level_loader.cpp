// Level files of any content: loading and a few steps of the world must never crash, hang or misbehave
// under the address and undefined-behaviour sanitizers.
#include "platform/Clock.h"
#include "world/LevelReport.h"
#include "world/World.h"

#include <sys/mman.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

namespace
{
// Enough steps for a few emission passes and for particles to meet bodies.
constexpr int stepsPerInput = 12;
// More than the emission interval, so that every step after the first emits.
constexpr std::uint32_t millisecondsPerStep = 60;

// The world reads levels from files only: each input is written to one file that lives in memory.
const std::string& inputFile()
{
    static const std::string path = "/proc/self/fd/" + std::to_string(memfd_create("level", 0));
    return path;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string& path = inputFile();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    std::uint32_t now = 0;
    platform::setTickCountSource([&now] { return now; });
    World::resetEmissionTimer();
    World world;
    LevelReport report;
    world.load(path, &report);
    for (int step = 0; step < stepsPerInput; ++step)
    {
        now += millisecondsPerStep;
        world.step();
    }
    platform::setTickCountSource(nullptr);
    return 0;
}
