#include "widgets/Clickable.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "engine/StringConversion.h"
#include "graphics/PlayField.h"

#include <SDL.h>

Clickable::Clickable(int buttonId) : id(buttonId) {}

void Clickable::handleEvent(Event& event)
{
    switch (event.type)
    {
    case MouseMove:
        followPointer(event);
        break;
    case MouseDown:
        if (isClickButton(event))
            press();
        break;
    case MouseUp:
        if (isClickButton(event))
            release();
        break;
    default:
        break;
    }
}

int Clickable::getId() const
{
    return id;
}

ButtonState Clickable::getState() const
{
    return state;
}

void Clickable::followPointer(const Event& event)
{
    // Mouse events come in window pixels with y growing downwards.
    const float x = static_cast<float>(stringToInt(event.getParameter(0)));
    const float y = static_cast<float>(PlayField::yFromWindow(stringToInt(event.getParameter(1))));
    hovering = contains(x, y);
    if (!hovering)
        state = Normal;
    else if (state == Normal)
        state = Hover;
}

void Clickable::press()
{
    if (state == Hover)
        state = Pressed;
}

bool Clickable::isClickButton(const Event& mouseButtonEvent)
{
    const int button = stringToInt(mouseButtonEvent.getParameter(2));
    return button == SDL_BUTTON_LEFT || button == SDL_BUTTON_MIDDLE || button == SDL_BUTTON_RIGHT;
}

void Clickable::release()
{
    if (state == Pressed)
    {
        Event clicked(ButtonClicked);
        clicked.addParameter(intToString(id));
        Core::instance()->getEventManager()->post(clicked);
    }
    state = hovering ? Hover : Normal;
}
