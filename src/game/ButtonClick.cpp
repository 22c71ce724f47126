#include "game/ButtonClick.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "engine/StringConversion.h"

void ButtonClick::post(int buttonId)
{
    Event clicked(ButtonClicked);
    clicked.addParameter(intToString(buttonId));
    Core::instance()->getEventManager()->post(clicked);
}
