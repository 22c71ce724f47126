#include "support/ManualClock.h"

#include "platform/Clock.h"

ManualClock::ManualClock(std::uint32_t start) : current(start)
{
    platform::setTickCountSource([this] { return current; });
    platform::setSdlTicksSource([this] { return current; });
    platform::setCalendarSource([] { return calendarSeconds; });
    platform::setSleeper(
        [this](std::uint32_t microseconds)
        {
            microsecondsPending += microseconds;
            current += static_cast<std::uint32_t>(microsecondsPending / 1000);
            microsecondsPending %= 1000;
        });
}

ManualClock::~ManualClock()
{
    platform::setTickCountSource(nullptr);
    platform::setSdlTicksSource(nullptr);
    platform::setCalendarSource(nullptr);
    platform::setSleeper(nullptr);
}

void ManualClock::advance(std::uint32_t milliseconds)
{
    current += milliseconds;
}

void ManualClock::set(std::uint32_t milliseconds)
{
    current = milliseconds;
}

std::uint32_t ManualClock::now() const
{
    return current;
}
