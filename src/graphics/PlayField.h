#pragma once

// The field everything is drawn on, in units: x from 0 at the left edge to 800, y from 0 at the bottom edge
// to 600, one unit a pixel of the unscaled window. Mouse events carry window pixels with y growing down
// from the top edge; this is the one place that turns them round.
class PlayField
{
public:
    static constexpr int width = 800;
    static constexpr int height = 600;

    // The field's y of a pixel row of the window, as a mouse event gives it.
    static constexpr int yFromWindow(int windowY) { return height - windowY; }
};
