#pragma once

#include "support/CoreFixture.h"
#include "support/GlWindow.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"

#include <cstdint>
#include <functional>
#include <string>

// For widget tests that draw: a real window, a fresh Core for each test and a folder for the test's
// pictures. Core is destroyed in TearDown, before the window closes, since its textures need the context.
class WidgetScene : public CoreFixture
{
protected:
    using Rgba = testpictures::Rgba;
    // Colour of the pixel at column x, row y counted from the top as an image viewer shows it.
    using PixelColour = testpictures::PixelColour;

    // Writes a 32-bit PNG into the folder; returns its path.
    std::string writePicture(const std::string& name, int width, int height, const PixelColour& colour) const;
    std::string writeSolidPicture(const std::string& name, int width, int height, Rgba colour) const;
    // Gives Core a font whose picture is opaque white everywhere, so every glyph of the alphabet covers
    // its whole cell exactly, in the colour the widget sets.
    void useWhiteFont(const std::string& alphabet);
    // Clears the frame to black and draws Core's interface, as the main loop does after the world. With
    // LUMORA_FRAME_FOLDER set, each frame is also kept there as a picture to look at.
    void drawInterface();
    // Pixels of the frame that are exactly the colour, and that are not black.
    int countPixels(GlWindow::Colour colour) const;
    int litPixels() const;

    GlWindow window;
    TempFolder folder;

private:
    void keepFrameIfAsked();

    int framesDrawn = 0;
};
