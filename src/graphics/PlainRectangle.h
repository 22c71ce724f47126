#pragma once

// An axis-aligned rectangle without texture, in the current colour and model-view matrix, z 0: the panels,
// tiles and text fields are filled and rimmed with it. The caller sets colour, blending and line width.
class PlainRectangle
{
public:
    // From (left, bottom) to (right, top).
    static void fill(float left, float bottom, float right, float top);
    static void outline(float left, float bottom, float right, float top);
};
