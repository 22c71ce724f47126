#pragma once

#include "support/CoreFixture.h"
#include "support/GlWindow.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"

#include <string>

// For tests that draw: a real window, a fresh Core for each test, destroyed before the window closes
// since its textures need the context, and a folder for the test's pictures.
class Scene : public CoreFixture
{
protected:
    using Rgba = testpictures::Rgba;

    // Writes a 32-bit PNG into the folder, its pixels given by column and row from the top; returns its path.
    std::string writePicture(const std::string& name, int width, int height,
                             const testpictures::PixelColour& colour) const;
    std::string writeSolidPicture(const std::string& name, int width, int height, Rgba colour) const;
    // Gives Core a font whose picture is opaque white, so that every glyph of the alphabet covers its whole
    // cell exactly, in the colour set before drawing.
    void useWhiteFont(const std::string& alphabet);
    // Clears the frame to black and draws Core's interface, as the main loop does after the world.
    void drawInterface();
    // Pixels of the frame that are exactly the colour, and those that are not black.
    int countPixels(GlWindow::Colour colour) const;
    int litPixels() const;

    GlWindow window;
    TempFolder folder;
};
