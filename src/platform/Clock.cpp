#include "platform/Clock.h"

#include <SDL.h>

#include <chrono>
#include <ctime>
#include <thread>

namespace platform
{
namespace
{
std::function<std::uint32_t()> tickCountSource;
std::function<std::uint32_t()> sdlTicksSource;
std::function<std::int64_t()> calendarSource;
std::function<void(std::uint32_t)> sleeperOverride;
} // namespace

std::uint32_t tickCount()
{
    if (tickCountSource)
        return tickCountSource();
    using namespace std::chrono;
    const auto sinceStart = duration_cast<milliseconds>(steady_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(sinceStart.count());
}

std::uint32_t sdlTicks()
{
    if (sdlTicksSource)
        return sdlTicksSource();
    return SDL_GetTicks();
}

std::int64_t calendarSeconds()
{
    if (calendarSource)
        return calendarSource();
    return static_cast<std::int64_t>(std::time(nullptr));
}

void sleepMicroseconds(std::uint32_t microseconds)
{
    if (sleeperOverride)
    {
        sleeperOverride(microseconds);
        return;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(microseconds));
}

void setTickCountSource(std::function<std::uint32_t()> source)
{
    tickCountSource = std::move(source);
}

void setSdlTicksSource(std::function<std::uint32_t()> source)
{
    sdlTicksSource = std::move(source);
}

void setCalendarSource(std::function<std::int64_t()> source)
{
    calendarSource = std::move(source);
}

void setSleeper(std::function<void(std::uint32_t)> sleeper)
{
    sleeperOverride = std::move(sleeper);
}

} // namespace platform
