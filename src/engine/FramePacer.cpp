#include "engine/FramePacer.h"

#include "platform/Clock.h"

void FramePacer::waitForFrameEnd(std::uint32_t frameStart)
{
    for (;;)
    {
        const std::uint32_t elapsed = platform::tickCount() - frameStart;
        if (elapsed >= frameMilliseconds)
            return;
        const std::uint32_t left = frameMilliseconds - elapsed;
        // A sleep may overshoot its length, so the last millisecond is crossed in small steps.
        if (left > 1)
            platform::sleepMicroseconds((left - 1) * 1000);
        else
            platform::sleepMicroseconds(finalStepMicroseconds);
    }
}
