#pragma once

#include "engine/Handle.h"
#include "game/FieldRect.h"
#include "widgets/Widget.h"
#include "world/Vector3.h"

#include <string>
#include <vector>

// Lines of text, each centred on one column of the field (its middle unless told otherwise), stacked down
// over one Panel that fits them, so that they read over any part of the field. The card puts its widgets into
// Core's interface and takes them out together; it holds them meanwhile, and its owner must hide it before
// the interface is cleared by another screen.
class TextCard
{
public:
    // Room left round the text inside the panel, in field units.
    static constexpr float padding = 10;
    static constexpr float centreOfField = 400;

    // The panel behind lines as wide as the widest and as high as all of them, the first line's top at `top`,
    // centred on x = `centre`.
    static FieldRect panelAround(float widest, float height, float top, float centre);
    // The width and height in field units of a line of the font at that scale.
    static float lineWidth(const std::string& text, float scale);
    static float lineHeight(float scale);
    // What the font draws of the text (LevelCaption::drawable), cut to what fits the width at the scale.
    static std::string fitted(const std::string& text, float width, float scale);

    // Appends a line below the others; the text is drawn as the font draws it.
    void addLine(const std::string& text, float scale, const Vector3& colour);
    // Puts the panel and the lines on screen, the first line's top at `top` (field units, y up), centred on
    // x = `centre`. A card without lines shows nothing; showing a card already shown changes nothing.
    void show(float top, float centre = centreOfField);
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
    // The panel while shown.
    FieldRect panel;
    // What show() put into the interface, panel first.
    std::vector<Handle<Widget>> shown;
};
