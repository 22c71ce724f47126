#include "widgets/TextButton.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "engine/StringConversion.h"
#include "graphics/Font.h"
#include "graphics/PictureLook.h"
#include "graphics/PlayField.h"

#include <SDL.h>
#include <SDL_opengl.h>

TextButton::TextButton(int buttonId, std::string caption, Vector3 topLeft, float horizontalScale,
                       float verticalScale)
    : text(std::move(caption)),
      position(topLeft), colours{Vector3(1, 1, 1), Vector3(1, 0, 1), Vector3(1, 0, 0)},
      scaleX(horizontalScale), scaleY(verticalScale), id(buttonId)
{
}

void TextButton::draw()
{
    const Vector3& colour = colours[state];
    glColor4f(colour.x, colour.y, colour.z, 1);
    Core::instance()->getFont()->drawText(text, static_cast<int>(position.x), static_cast<int>(position.y),
                                          scaleX, scaleY);
}

void TextButton::appendLook(PictureLook& look) const
{
    look.add(text);
    look.add(position);
    look.add(colours[state]);
    look.add(scaleX);
    look.add(scaleY);
}

void TextButton::handleEvent(Event& event)
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

bool TextButton::contains(float x, float y) const
{
    const float width = Font::glyphWidthPixels * scaleX * static_cast<float>(text.size());
    const float height = Font::glyphHeightPixels * scaleY;
    return x >= position.x && x < position.x + width && y > position.y - height && y <= position.y;
}

void TextButton::followPointer(const Event& event)
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

void TextButton::press()
{
    if (state == Hover)
        state = Pressed;
}

bool TextButton::isClickButton(const Event& mouseButtonEvent)
{
    const int button = stringToInt(mouseButtonEvent.getParameter(2));
    return button == SDL_BUTTON_LEFT || button == SDL_BUTTON_MIDDLE || button == SDL_BUTTON_RIGHT;
}

void TextButton::release()
{
    if (state == Pressed)
    {
        Event clicked(ButtonClicked);
        clicked.addParameter(intToString(id));
        Core::instance()->getEventManager()->post(clicked);
    }
    state = hovering ? Hover : Normal;
}
