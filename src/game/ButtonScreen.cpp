#include "game/ButtonScreen.h"

#include "engine/Event.h"
#include "engine/EventType.h"

void ButtonScreen::handleEvent(Event& event)
{
    if (event.type == ButtonClicked)
        finished = true;
}

void ButtonScreen::listenForButtons()
{
    listen(ButtonClicked);
}
