#include "support/Recorder.h"

#include "engine/StringConversion.h"

Recorder::Recorder(std::string recorderName, std::vector<std::string>& sharedLog)
    : name(std::move(recorderName)), log(sharedLog)
{
}

void Recorder::handleEvent(Event& event)
{
    ++count;
    log.push_back(name + ":" + intToString(event.type));
    if (action)
        action(event);
}

void Recorder::onEvent(std::function<void(Event&)> newAction)
{
    action = std::move(newAction);
}

int Recorder::received() const
{
    return count;
}
