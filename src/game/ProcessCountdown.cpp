#include "game/ProcessCountdown.h"

#include "engine/Event.h"
#include "engine/EventType.h"
#include "engine/StringConversion.h"
#include "platform/Clock.h"

ProcessCountdown::ProcessCountdown(int levelNumber) : level(levelNumber) {}

void ProcessCountdown::start()
{
    Process::start();
    listenForTicks();
    lastTime = platform::sdlTicks();
    secondsLeft = firstSecond;
    showLabel(text(), 200, 300);
}

void ProcessCountdown::handleEvent(Event& event)
{
    if (event.type != Tick)
        return;
    if (platform::sdlTicks() - lastTime >= stepMilliseconds)
    {
        --secondsLeft;
        lastTime = platform::sdlTicks();
    }
    if (secondsLeft < 0)
    {
        finished = true;
        return;
    }
    setLabelText(text());
}

std::string ProcessCountdown::text() const
{
    return "LEVEL " + intToString(level) + " STARTING IN " + intToString(secondsLeft);
}
