#pragma once

#include "engine/Event.h"
#include "engine/EventListener.h"

#include <functional>
#include <string>
#include <vector>

// A listener that writes "<name>:<event name>", such as "menu:MouseUp", into a shared log for every event it
// receives and can run an extra action from inside its handler, to test what handlers may do during delivery.
class Recorder : public EventListener
{
public:
    Recorder(std::string name, std::vector<std::string>& log);

    void handleEvent(Event& event) override;
    void onEvent(std::function<void(Event&)> action);

private:
    std::string name;
    std::vector<std::string>& log;
    std::function<void(Event&)> action;
};
