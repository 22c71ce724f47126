#pragma once

#include <cstdint>

// Keeps every frame at least frameMilliseconds long by the tick count, which sets the game's speed:
// one world step per frame, 100 per second. It sleeps through the bulk of the wait and watches the
// clock only through the last millisecond, so a waiting game leaves the processor to others.
class FramePacer
{
public:
    static constexpr std::uint32_t frameMilliseconds = 10;
    // Steps of the watch through the last millisecond, in microseconds.
    static constexpr std::uint32_t finalStepMicroseconds = 100;

    // Returns once at least frameMilliseconds have passed since frameStart (an unsigned 32-bit
    // difference of tick counts); at once when the frame already took that long.
    static void waitForFrameEnd(std::uint32_t frameStart);
};
