#include "game/ButtonScreen.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"

void ButtonScreen::stop()
{
    Core::instance()->getEventManager()->removeListener(this, ButtonClicked);
    Process::stop();
}

void ButtonScreen::handleEvent(Event& event)
{
    if (event.type == ButtonClicked)
        finished = true;
}

void ButtonScreen::listenForButtons()
{
    Core::instance()->getEventManager()->addListener(this, ButtonClicked);
}
