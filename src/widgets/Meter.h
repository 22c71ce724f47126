#pragma once

#include "widgets/Widget.h"
#include "world/Vector3.h"

#include <string>

// A horizontal progress bar hanging down from its top-left corner: the empty picture drawn whole at one
// screen unit per pixel (its size is the bar's size), the full picture over it from the left edge across
// the fraction `value` of the width, cropped rather than squeezed. Ignores the mouse.
class Meter : public Widget
{
public:
    // Loads nothing until drawn.
    Meter(std::string emptyPicture, std::string fullPicture, float fraction, Vector3 topLeft);

    // Needs Core and the OpenGL context. The fill never leaves the bar: a value beyond 0..1 draws as the
    // nearer end.
    void draw() override;
    void appendLook(PictureLook& look) const override;
    void handleEvent(Event& event) override;

    // Fill fraction, 0 empty and 1 full; written directly by the screen that holds the meter and read on
    // every draw. It may hold any value; only the drawing is clamped.
    float value;

private:
    Vector3 position;
    std::string emptyTextureName;
    std::string fullTextureName;
};
