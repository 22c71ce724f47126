#include "engine/FramePacer.h"
#include "support/ManualClock.h"

#include <gtest/gtest.h>

TEST(FramePacer, SleepsThroughTheBulkAndWatchesOnlyTheLastMillisecond)
{
    ManualClock clock(5000);
    const std::uint32_t start = clock.now();
    clock.advance(3);

    FramePacer::waitForFrameEnd(start);

    EXPECT_EQ(clock.now() - start, FramePacer::frameMilliseconds);
    // One long sleep for 6 of the 7 milliseconds left, then short steps through the last one.
    EXPECT_EQ(clock.sleptMicroseconds(), 7000u);
    EXPECT_LE(clock.sleepCount(), 11);
    EXPECT_LE(clock.tickReads(), 12);
}

TEST(FramePacer, ALongFrameIsNotFollowedByAnyWait)
{
    ManualClock clock(5000);
    const std::uint32_t start = clock.now();
    clock.advance(25);
    FramePacer::waitForFrameEnd(start);
    EXPECT_EQ(clock.sleepCount(), 0);
    EXPECT_EQ(clock.now() - start, 25u);
}

TEST(FramePacer, AWrapOfTheTickCountDoesNotStallTheLoop)
{
    ManualClock clock(0xFFFFFFFCu);
    const std::uint32_t start = clock.now();
    FramePacer::waitForFrameEnd(start);
    EXPECT_EQ(clock.now(), 6u);
}
