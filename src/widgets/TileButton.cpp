#include "widgets/TileButton.h"

#include "engine/Core.h"
#include "graphics/Font.h"
#include "graphics/PictureLook.h"
#include "graphics/PlainRectangle.h"

#include <SDL_opengl.h>

#include <cmath>

namespace
{
// The colours of the menu's panel: deep violet inside, a lilac rim; magenta and red as the text buttons
// light up; a locked tile keeps a grey rim, and a darker inside so that its grey words still read.
constexpr Vector3 fill{0.08f, 0.04f, 0.18f};
constexpr float fillAlpha = 0.8f;
constexpr float dimmedFillAlpha = 0.9f;
constexpr Vector3 rimColours[] = {{0.70f, 0.49f, 1.0f}, {1, 0, 1}, {1, 0, 0}};
constexpr Vector3 dimmedRim{0.4f, 0.4f, 0.45f};
constexpr float rimWidth = 1.5f;
constexpr float chosenRimWidth = 3;

} // namespace

TileButton::TileButton(int buttonId, float leftEdge, float bottomEdge, float rightEdge, float topEdge,
                       std::vector<Line> shownLines, bool canBeChosen)
    : Clickable(buttonId), left(leftEdge), bottom(bottomEdge), right(rightEdge), top(topEdge),
      lines(std::move(shownLines)), enabled(canBeChosen)
{
}

void TileButton::draw()
{
    drawFrame();
    drawLines();
}

void TileButton::appendLook(PictureLook& look) const
{
    look.add(left);
    look.add(bottom);
    look.add(right);
    look.add(top);
    look.add(enabled);
    look.add(focused);
    look.add(getState());
    look.add(static_cast<int>(lines.size()));
    for (const Line& line : lines)
    {
        look.add(line.text);
        look.add(line.scale);
        look.add(line.colour);
    }
}

bool TileButton::contains(float x, float y) const
{
    return enabled && x >= left && x < right && y > bottom && y <= top;
}

void TileButton::setFocused(bool chosen)
{
    focused = chosen;
}

bool TileButton::isEnabled() const
{
    return enabled;
}

void TileButton::drawFrame() const
{
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(fill.x, fill.y, fill.z, enabled ? fillAlpha : dimmedFillAlpha);
    PlainRectangle::fill(left, bottom, right, top);
    const ButtonState shown = focused && getState() == Normal ? Hover : getState();
    const Vector3 rim = enabled ? rimColours[shown] : dimmedRim;
    glLineWidth(focused ? chosenRimWidth : rimWidth);
    glColor4f(rim.x, rim.y, rim.z, 1);
    PlainRectangle::outline(left, bottom, right, top);
    glLineWidth(1);
    glDisable(GL_BLEND);
}

void TileButton::drawLines() const
{
    float lineTop = top - padding;
    const float middle = (left + right) / 2;
    for (const Line& line : lines)
    {
        const float width = Font::glyphWidthPixels * line.scale * static_cast<float>(line.text.size());
        glColor4f(line.colour.x, line.colour.y, line.colour.z, 1);
        Core::instance()->getFont()->drawText(line.text, static_cast<int>(std::round(middle - width / 2)),
                                              static_cast<int>(std::lround(lineTop)), line.scale, line.scale);
        lineTop -= Font::glyphHeightPixels * line.scale;
    }
    glColor4f(1, 1, 1, 1);
}
