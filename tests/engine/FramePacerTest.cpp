#include "engine/FramePacer.h"
#include "platform/Clock.h"
#include "support/ManualClock.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(FramePacer, AFrameLastsTenMillisecondsSleptThroughNotSpun)
{
    // The frame's start, the milliseconds spent before the wait, and the clock after it.
    const std::uint32_t cases[][3] = {{5000, 0, 5010},  {5000, 3, 5010},  {5000, 9, 5010},
                                      {5000, 10, 5010}, {5000, 25, 5025}, {0xFFFFFFFCu, 0, 6}};
    for (const auto& [start, spent, end] : cases)
    {
        SCOPED_TRACE(::testing::Message() << spent << " ms spent from " << start);
        const std::uint32_t waitStart = start + spent;
        ManualClock clock(waitStart);
        // Time moves only by what the pacer sleeps; a pacer that asks for nothing, or for more than a
        // few dozen naps in one frame, is spinning.
        std::uint64_t slept = 0;
        int naps = 0;
        platform::setSleeper(
            [&](std::uint32_t microseconds)
            {
                if (microseconds == 0 || ++naps > 50)
                    throw std::runtime_error("the pacer spins");
                slept += microseconds;
                clock.set(waitStart + static_cast<std::uint32_t>(slept / 1000));
            });

        FramePacer::waitForFrameEnd(start);

        EXPECT_EQ(clock.now(), end);
        EXPECT_EQ(naps == 0, spent >= FramePacer::frameMilliseconds)
            << "only a frame long enough waits no more";
    }
}
