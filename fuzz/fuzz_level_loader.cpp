// Level files of any content: loading and a few steps of the world must never crash, hang or misbehave
// under the address and undefined-behaviour sanitizers.
#include "platform/Clock.h"
#include "world/LevelReport.h"
#include "world/World.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace
{
// Enough steps for a few emission passes and for particles to meet bodies.
constexpr int stepsPerInput = 12;
// More than the emission interval, so that every step after the first emits.
constexpr std::uint32_t millisecondsPerStep = 60;

// The world reads levels from files only: each input is written to one temporary file, removed at exit.
class InputFile
{
public:
    InputFile()
    {
        char pattern[] = "/tmp/lumora-fuzz-level-XXXXXX";
        const int descriptor = mkstemp(pattern);
        if (descriptor < 0)
            std::abort();
        close(descriptor);
        path = pattern;
    }
    ~InputFile() { std::remove(path.c_str()); }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    const std::string& write(const std::uint8_t* data, std::size_t size) const
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        return path;
    }

private:
    std::string path;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const InputFile input;
    const std::string& path = input.write(data, size);

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
