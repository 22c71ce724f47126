#include "engine/FramePacer.h"
#include "platform/Clock.h"
#include "support/ManualClock.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(FramePacer, AFrameLastsTenMillisecondsSleptThroughNotSpun)
{
    struct Case
    {
        std::uint32_t start;
        std::uint32_t spent; // before the wait, in ms
        std::uint32_t end;
    };
    for (const Case& c : {Case{5000, 0, 5010}, Case{5000, 3, 5010}, Case{5000, 9, 5010}, Case{5000, 10, 5010},
                          Case{5000, 25, 5025}, Case{0xFFFFFFFCu, 0, 6}})
    {
        SCOPED_TRACE(::testing::Message() << c.spent << " ms spent from " << c.start);
        ManualClock clock(c.start + c.spent);
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
                clock.set(c.start + c.spent + static_cast<std::uint32_t>(slept / 1000));
            });

        FramePacer::waitForFrameEnd(c.start);

        EXPECT_EQ(clock.now(), c.end);
        EXPECT_EQ(naps == 0, c.spent >= FramePacer::frameMilliseconds)
            << "only a frame long enough waits no more";
    }
}
