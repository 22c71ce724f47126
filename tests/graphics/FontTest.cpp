#include "graphics/Font.h"

#include "engine/Handle.h"
#include "support/Scene.h"

#include <gtest/gtest.h>

using FontDrawing = Scene;

TEST_F(FontDrawing, GlyphsShowTheirCellUprightAndASpaceLeavesItsCellEmpty)
{
    // Cell A red over green (top half, bottom half), cell B blue, the rest see-through. At scale 1 every
    // pixel samples one texel's centre, so colours are exact.
    Handle<Font> font =
        new Font(writePicture("cells.png", 64, 64,
                              [](int x, int y)
                              {
                                  if (y >= 40 || x >= 36)
                                      return Rgba{0, 0, 0, 0};
                                  if (x < 18)
                                      return y < 20 ? Rgba{255, 0, 0, 255} : Rgba{0, 255, 0, 255};
                                  return Rgba{0, 0, 255, 255};
                              }),
                 "AB");
    window.clear();
    font->drawText("A B", 100, 300, 1, 1);
    EXPECT_EQ((GlWindow::Colour{255, 0, 0}), window.pixel(100, 299));
    EXPECT_EQ((GlWindow::Colour{255, 0, 0}), window.pixel(117, 280));
    EXPECT_EQ((GlWindow::Colour{0, 255, 0}), window.pixel(117, 279));
    EXPECT_EQ((GlWindow::Colour{0, 255, 0}), window.pixel(100, 260));
    EXPECT_EQ((GlWindow::Colour{0, 0, 255}), window.pixel(136, 299));
    EXPECT_EQ((GlWindow::Colour{0, 0, 0}), window.pixel(126, 280)) << "the space's cell";
    EXPECT_EQ(2 * 18 * 40, litPixels()) << "nothing beyond the two cells";
    window.clear();
    font->drawText("ab", 100, 300, 1, 1);
    Handle<Font>(new Font(folder.file("missing.png"), "AB"))->drawText("AB", 100, 300, 1, 1);
    EXPECT_EQ(0, litPixels()) << "characters outside the alphabet, or a font without its picture";
}
