#pragma once

#include "widgets/Clickable.h"
#include "world/Vector3.h"

#include <string>
#include <vector>

// A rectangle of centred lines of text that clicks as every Clickable does: a tile of the level screen. Its
// rim turns magenta under the pointer or when the keys choose it, red while a button is held on it; a tile
// that cannot be chosen is dimmed and takes no clicks.
class TileButton : public Clickable
{
public:
    struct Line
    {
        std::string text;
        float scale;
        Vector3 colour;
    };

    // Space left between the rim and the text, in field units.
    static constexpr float padding = 8;

    // The rectangle in field units, y up; the lines stack down from its top.
    TileButton(int buttonId, float left, float bottom, float right, float top, std::vector<Line> lines,
               bool enabled);

    // Needs Core's font and the OpenGL context.
    void draw() override;
    void appendLook(PictureLook& look) const override;
    // Whether the point lies on the rectangle of a tile that can be chosen.
    bool contains(float x, float y) const override;

    // Marks the tile as the one the keys have chosen.
    void setFocused(bool chosen);
    bool isEnabled() const;

private:
    void drawFrame() const;
    void drawLines() const;

    float left;
    float bottom;
    float right;
    float top;
    std::vector<Line> lines;
    bool enabled;
    bool focused = false;
};
