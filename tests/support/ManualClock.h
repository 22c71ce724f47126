#pragma once

#include <cstdint>

// Replaces the game's clocks with hand-driven ones for as long as it lives: the tick count and SDL's
// counter both stand still until advance() or set() moves them, and every sleep moves them by its length
// (in whole milliseconds once enough microseconds have gathered). The calendar stands still at one
// moment, so the game's random numbers are the same in every run.
class ManualClock
{
public:
    static constexpr std::int64_t calendarSeconds = 1765000000;

    explicit ManualClock(std::uint32_t start = 1000);
    ~ManualClock();
    ManualClock(const ManualClock&) = delete;
    ManualClock& operator=(const ManualClock&) = delete;

    void advance(std::uint32_t milliseconds);
    void set(std::uint32_t milliseconds);
    std::uint32_t now() const;

private:
    std::uint32_t current;
    std::uint64_t microsecondsPending = 0;
};
