#include "widgets/TextField.h"

#include "engine/Core.h"
#include "graphics/Font.h"
#include "graphics/PictureLook.h"
#include "graphics/PlainRectangle.h"
#include "world/Vector3.h"

#include <SDL_opengl.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

int TextField::focusedFields = 0;

namespace
{
// The tiles' violet and lilac; the name in the lilac, the rim magenta while the field has the keys.
constexpr Vector3 fill{0.08f, 0.04f, 0.18f};
constexpr float fillAlpha = 0.85f;
constexpr Vector3 lilac{0.70f, 0.49f, 1.0f};
constexpr Vector3 keysRim{1, 0, 1};
constexpr float cursorWidth = 2;

bool isDrawable(char character)
{
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(character)));
    return character == ' ' || (upper != '\0' && std::strchr(Font::gameAlphabet, upper) != nullptr);
}
} // namespace

TextField::TextField(int buttonId, std::string name, float leftEdge, float bottomEdge, float rightEdge,
                     float topEdge, float textScale, std::size_t longest)
    : Clickable(buttonId), label(std::move(name)), left(leftEdge), bottom(bottomEdge), right(rightEdge),
      top(topEdge), scale(textScale), longestText(longest)
{
}

TextField::~TextField()
{
    setFocused(false);
}

void TextField::setText(const std::string& shown)
{
    text = shown.substr(0, longestText);
}

const std::string& TextField::getText() const
{
    return text;
}

bool TextField::type(char character)
{
    if (text.size() >= longestText || !isDrawable(character))
        return false;
    text += character;
    return true;
}

void TextField::erase()
{
    if (!text.empty())
        text.pop_back();
}

void TextField::setFocused(bool hasKeys)
{
    if (focused != hasKeys)
        focusedFields += hasKeys ? 1 : -1;
    focused = hasKeys;
}

bool TextField::isFocused() const
{
    return focused;
}

bool TextField::isAnyFocused()
{
    return focusedFields > 0;
}

void TextField::draw()
{
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(fill.x, fill.y, fill.z, fillAlpha);
    PlainRectangle::fill(left, bottom, right, top);
    const Vector3 rim = focused || getState() != Normal ? keysRim : lilac;
    glColor4f(rim.x, rim.y, rim.z, 1);
    PlainRectangle::outline(left, bottom, right, top);
    glDisable(GL_BLEND);

    const int textTop = static_cast<int>(std::lround(top - padding));
    Font& font = *Core::instance()->getFont();
    glColor4f(lilac.x, lilac.y, lilac.z, 1);
    font.drawText(label, static_cast<int>(left + padding), textTop, scale, scale);
    const std::string shown = shownText();
    glColor4f(1, 1, 1, 1);
    font.drawText(shown, static_cast<int>(textLeft()), textTop, scale, scale);
    if (focused)
    {
        const float cursorLeft =
            textLeft() + Font::glyphWidthPixels * scale * static_cast<float>(shown.size());
        PlainRectangle::fill(cursorLeft, bottom + padding, cursorLeft + cursorWidth, top - padding);
    }
}

void TextField::appendLook(PictureLook& look) const
{
    look.add(label);
    look.add(text);
    look.add(left);
    look.add(bottom);
    look.add(right);
    look.add(top);
    look.add(scale);
    look.add(focused);
    look.add(getState());
}

bool TextField::contains(float x, float y) const
{
    return x >= left && x < right && y > bottom && y <= top;
}

std::string TextField::shownText() const
{
    const float room = right - padding - cursorWidth - textLeft();
    const auto columns = static_cast<std::size_t>(std::max(0.0f, room / (Font::glyphWidthPixels * scale)));
    std::string shown = text.size() <= columns ? text : text.substr(text.size() - columns);
    // The font draws capitals only; the text keeps the case it was typed in.
    for (char& character : shown)
        character = static_cast<char>(std::toupper(static_cast<unsigned char>(character)));
    return shown;
}

float TextField::textLeft() const
{
    return left + padding + Font::glyphWidthPixels * scale * static_cast<float>(label.size() + 1);
}
