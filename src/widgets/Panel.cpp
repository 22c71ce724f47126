#include "widgets/Panel.h"

#include "graphics/PictureLook.h"
#include "graphics/PlainRectangle.h"

#include <SDL_opengl.h>

namespace
{
// The menu panel's colours: deep violet inside, a lilac rim.
constexpr float fill[] = {0.08f, 0.04f, 0.18f};
constexpr float rim[] = {0.70f, 0.49f, 1.0f};
constexpr float rimAlpha = 0.6f;
constexpr float rimWidth = 1.5f;
} // namespace

Panel::Panel(float leftEdge, float bottomEdge, float rightEdge, float topEdge)
    : left(leftEdge), bottom(bottomEdge), right(rightEdge), top(topEdge)
{
}

void Panel::draw()
{
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(fill[0], fill[1], fill[2], fillAlpha);
    PlainRectangle::fill(left, bottom, right, top);
    glLineWidth(rimWidth);
    glColor4f(rim[0], rim[1], rim[2], rimAlpha);
    PlainRectangle::outline(left, bottom, right, top);
    glLineWidth(1);
    glDisable(GL_BLEND);
    glColor4f(1, 1, 1, 1);
}

void Panel::appendLook(PictureLook& look) const
{
    look.add(left);
    look.add(bottom);
    look.add(right);
    look.add(top);
}

void Panel::handleEvent(Event&) {}
