#include "game/TextCard.h"

#include "engine/Core.h"
#include "game/ScreenLayout.h"
#include "graphics/Font.h"
#include "graphics/Interface.h"
#include "widgets/Label.h"
#include "widgets/Panel.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr float centreX = ScreenLayout::fieldCentre.x;

float lineWidth(const std::string& text, float scale)
{
    return static_cast<float>(text.size()) * static_cast<float>(Font::glyphWidthPixels) * scale;
}

float lineHeight(float scale)
{
    return static_cast<float>(Font::glyphHeightPixels) * scale;
}
} // namespace

void TextCard::addLine(const std::string& text, float scale, const Vector3& colour)
{
    lines.push_back(Line{text, scale, colour});
}

void TextCard::show(float top)
{
    if (lines.empty() || isShown())
        return;
    float widest = 0;
    float bottom = top;
    for (const Line& line : lines)
    {
        widest = std::max(widest, lineWidth(line.text, line.scale));
        bottom -= lineHeight(line.scale);
    }
    panelLeft = centreX - widest / 2 - padding;
    panelBottom = bottom - padding;
    panelRight = centreX + widest / 2 + padding;
    panelTop = top + padding;
    shown.push_back(new Panel(panelLeft, panelBottom, panelRight, panelTop));
    float lineTop = top;
    for (const Line& line : lines)
    {
        // A whole unit, so that every glyph of the line starts where the player's eye expects.
        const Vector3 topLeft(std::round(centreX - lineWidth(line.text, line.scale) / 2), lineTop, 0);
        shown.push_back(new Label(line.text, line.scale, line.scale, topLeft, line.colour));
        lineTop -= lineHeight(line.scale);
    }
    Handle<Interface> interface = Core::instance()->getInterface();
    for (const Handle<Widget>& widget : shown)
        interface->addWidget(widget);
}

void TextCard::hide()
{
    Handle<Interface> interface = Core::instance()->getInterface();
    for (const Handle<Widget>& widget : shown)
        interface->removeWidget(widget);
    shown.clear();
}

bool TextCard::isShown() const
{
    return !shown.empty();
}

bool TextCard::contains(float x, float y) const
{
    return isShown() && x >= panelLeft && x <= panelRight && y >= panelBottom && y <= panelTop;
}
