#include "game/ProcessMain.h"

#include "engine/Core.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"

void ProcessMain::start()
{
    Handle<EventManager> events = Core::instance()->getEventManager();
    events->addListener(this, ProcessStopped);
    events->addListener(this, ButtonClicked);
}

void ProcessMain::stop()
{
    Handle<EventManager> events = Core::instance()->getEventManager();
    events->removeListener(this, ProcessStopped);
    events->removeListener(this, ButtonClicked);
}

void ProcessMain::handleEvent(Event&)
{
}
