#include "support/Recorder.h"

#include "engine/EventType.h"

namespace
{
std::string typeName(int type)
{
    static const char* const names[] = {
        "KeyDown", "KeyUp", "MouseDown",      "MouseUp",        "MouseMove",     "Tick",
        "",        "",      "ProcessStarted", "ProcessStopped", "ButtonClicked", "LevelGoalReached"};
    return type >= 0 && type < static_cast<int>(std::size(names)) ? names[type] : std::to_string(type);
}
} // namespace

Recorder::Recorder(std::string recorderName, std::vector<std::string>& sharedLog)
    : name(std::move(recorderName)), log(sharedLog)
{
}

void Recorder::handleEvent(Event& event)
{
    log.push_back(name + ":" + typeName(event.type));
    if (action)
        action(event);
}

void Recorder::onEvent(std::function<void(Event&)> newAction)
{
    action = std::move(newAction);
}
