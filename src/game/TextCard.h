#pragma once

#include "engine/Handle.h"
#include "widgets/Widget.h"
#include "world/Vector3.h"

#include <string>
#include <vector>

// Lines of text, each centred on the field, stacked down over one Panel that fits them, so that they read
// over any part of the field. The card puts its widgets into Core's interface and takes them out together;
// it holds them meanwhile, and its owner must hide it before the interface is cleared by another screen.
class TextCard
{
public:
    // Room left round the text inside the panel, in field units.
    static constexpr float padding = 10;

    // Appends a line below the others; the text is drawn as the font draws it.
    void addLine(const std::string& text, float scale, const Vector3& colour);
    // Puts the panel and the lines on screen, the first line's top at `top` (field units, y up). A card
    // without lines shows nothing; showing a card already shown changes nothing.
    void show(float top);
    // Takes the card's widgets out of the interface; nothing happens when it is not shown.
    void hide();
    bool isShown() const;
    // Whether a field point (y up) lies on the card's panel while it is shown.
    bool contains(float x, float y) const;

private:
    struct Line
    {
        std::string text;
        float scale;
        Vector3 colour;
    };

    std::vector<Line> lines;
    // The panel's edges while shown, in field units.
    float panelLeft = 0;
    float panelBottom = 0;
    float panelRight = 0;
    float panelTop = 0;
    // What show() put into the interface, panel first.
    std::vector<Handle<Widget>> shown;
};
