#include "game/TextCard.h"

#include "engine/Core.h"
#include "game/ScreenLayout.h"
#include "graphics/Font.h"
#include "graphics/Interface.h"
#include "widgets/Label.h"
#include "widgets/Panel.h"
#include "world/LevelCaption.h"

#include <algorithm>
#include <cmath>

static_assert(TextCard::centreOfField == ScreenLayout::fieldCentre.x, "a card stands in the field's middle");

FieldRect TextCard::panelAround(float widest, float height, float top, float centre)
{
    return FieldRect{centre - widest / 2 - padding, top - height - padding, centre + widest / 2 + padding,
                     top + padding};
}

float TextCard::lineWidth(const std::string& text, float scale)
{
    return static_cast<float>(text.size()) * static_cast<float>(Font::glyphWidthPixels) * scale;
}

std::string TextCard::fitted(const std::string& text, float width, float scale)
{
    const auto columns = static_cast<std::size_t>(std::max(0.0f, width / (Font::glyphWidthPixels * scale)));
    const std::string drawn = LevelCaption::drawable(text);
    return drawn.size() <= columns ? drawn : drawn.substr(0, columns);
}

float TextCard::lineHeight(float scale)
{
    return static_cast<float>(Font::glyphHeightPixels) * scale;
}

void TextCard::addLine(const std::string& text, float scale, const Vector3& colour)
{
    lines.push_back(Line{text, scale, colour});
}

void TextCard::show(float top, float centre)
{
    if (lines.empty() || isShown())
        return;
    float widest = 0;
    float height = 0;
    for (const Line& line : lines)
    {
        widest = std::max(widest, lineWidth(line.text, line.scale));
        height += lineHeight(line.scale);
    }
    panel = panelAround(widest, height, top, centre);
    shown.push_back(new Panel(panel.left, panel.bottom, panel.right, panel.top));
    float lineTop = top;
    for (const Line& line : lines)
    {
        // A whole unit, so that every glyph of the line starts where the player's eye expects.
        const Vector3 topLeft(std::round(centre - lineWidth(line.text, line.scale) / 2), lineTop, 0);
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
    return isShown() && x >= panel.left && x <= panel.right && y >= panel.bottom && y <= panel.top;
}
