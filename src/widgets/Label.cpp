#include "widgets/Label.h"

#include "engine/Core.h"
#include "graphics/Font.h"
#include "graphics/PictureLook.h"

#include <SDL_opengl.h>

Label::Label(std::string initialText, float horizontalScale, float verticalScale, Vector3 topLeft,
             Vector3 rgb)
    : position(topLeft), colour(rgb), scaleX(horizontalScale), scaleY(verticalScale)
{
    setText(std::move(initialText));
}

void Label::setText(std::string newText)
{
    text = std::move(newText);
    lines.clear();
    std::size_t lineStart = 0;
    for (std::size_t newline = text.find('\n'); newline != std::string::npos;
         newline = text.find('\n', lineStart))
    {
        lines.push_back(text.substr(lineStart, newline - lineStart));
        lineStart = newline + 1;
    }
    lines.push_back(text.substr(lineStart));
}

const std::string& Label::getText() const
{
    return text;
}

const std::vector<std::string>& Label::getLines() const
{
    return lines;
}

void Label::draw()
{
    glColor4f(colour.x, colour.y, colour.z, 1);
    Handle<Font> font = Core::instance()->getFont();
    const float lineHeight = static_cast<float>(font->getGlyphHeight()) * scaleY;
    float top = position.y;
    for (const std::string& line : lines)
    {
        font->drawText(line, static_cast<int>(position.x), static_cast<int>(top), scaleX, scaleY);
        top -= lineHeight;
    }
}

void Label::appendLook(PictureLook& look) const
{
    look.add(text);
    look.add(position);
    look.add(colour);
    look.add(scaleX);
    look.add(scaleY);
}

void Label::handleEvent(Event&) {}
