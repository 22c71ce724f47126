#include "widgets/TextButton.h"

#include "engine/Core.h"
#include "graphics/Font.h"
#include "graphics/PictureLook.h"

#include <SDL_opengl.h>

TextButton::TextButton(int buttonId, std::string caption, Vector3 topLeft, float horizontalScale,
                       float verticalScale)
    : Clickable(buttonId), text(std::move(caption)),
      position(topLeft), colours{Vector3(1, 1, 1), Vector3(1, 0, 1), Vector3(1, 0, 0)},
      scaleX(horizontalScale), scaleY(verticalScale)
{
}

void TextButton::draw()
{
    const Vector3& colour = colours[getState()];
    glColor4f(colour.x, colour.y, colour.z, 1);
    Core::instance()->getFont()->drawText(text, static_cast<int>(position.x), static_cast<int>(position.y),
                                          scaleX, scaleY);
}

void TextButton::appendLook(PictureLook& look) const
{
    look.add(text);
    look.add(position);
    look.add(colours[getState()]);
    look.add(scaleX);
    look.add(scaleY);
}

bool TextButton::contains(float x, float y) const
{
    const float width = Font::glyphWidthPixels * scaleX * static_cast<float>(text.size());
    const float height = Font::glyphHeightPixels * scaleY;
    return x >= position.x && x < position.x + width && y > position.y - height && y <= position.y;
}
