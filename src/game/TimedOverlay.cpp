#include "game/TimedOverlay.h"

#include "engine/Event.h"
#include "engine/EventType.h"
#include "platform/Clock.h"

TimedOverlay::TimedOverlay(std::string shownText, float left, float top, std::uint32_t durationMilliseconds)
    : text(std::move(shownText)), x(left), y(top), duration(durationMilliseconds)
{
}

void TimedOverlay::start()
{
    Process::start();
    startTime = platform::sdlTicks();
    listenForTicks();
    showLabel(text, x, y);
}

void TimedOverlay::handleEvent(Event& event)
{
    if (event.type == Tick && platform::sdlTicks() - startTime >= duration)
        finished = true;
}
