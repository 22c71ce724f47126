#pragma once

#include <array>
#include <cstdint>
#include <vector>

// A real 800 by 600 OpenGL window with the game's projection, for tests that draw and read the result
// back. Needs an X display (the test command runs under Xvfb). Drawing goes to the back buffer, which is
// what the pixel reads look at.
class GlWindow
{
public:
    using Colour = std::array<std::uint8_t, 3>;

    GlWindow();
    ~GlWindow();
    GlWindow(const GlWindow&) = delete;
    GlWindow& operator=(const GlWindow&) = delete;

    // Fills the frame with one colour and resets the model-view matrix, as the main loop does.
    void clear(float red = 0, float green = 0, float blue = 0);
    // The colour at a play-field point (x right, y up, as the game draws).
    Colour pixel(int x, int y) const;
    // Every pixel of the frame, bottom row first, three bytes each.
    std::vector<std::uint8_t> frame() const;
};

// True when two colours differ by at most `tolerance` in every channel.
bool near(const GlWindow::Colour& a, const GlWindow::Colour& b, int tolerance = 8);
