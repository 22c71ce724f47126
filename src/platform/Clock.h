#pragma once

#include <cstdint>
#include <functional>

// The game's two millisecond clocks, the calendar and its way of sleeping, kept behind one seam so that tests
// can drive time by hand instead of waiting for it. Differences are always taken as unsigned 32-bit values,
// so a wrap of either counter never stalls anything.
namespace platform
{

// The system's monotonic millisecond tick count: frame pacing, event stamps, particle emission.
std::uint32_t tickCount();
// SDL's millisecond counter since SDL started: the screens' timers.
std::uint32_t sdlTicks();
// The calendar time in seconds, whose low bits seed the game's random numbers at start-up.
std::int64_t calendarSeconds();
// Gives the processor away for about this long.
void sleepMicroseconds(std::uint32_t microseconds);

// Test seams: each replaces one clock (or the sleep) until it is given an empty function again.
void setTickCountSource(std::function<std::uint32_t()> source);
void setSdlTicksSource(std::function<std::uint32_t()> source);
void setCalendarSource(std::function<std::int64_t()> source);
void setSleeper(std::function<void(std::uint32_t microseconds)> sleeper);

} // namespace platform
