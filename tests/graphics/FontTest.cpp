#include "graphics/Font.h"

#include "engine/Handle.h"
#include "support/Scene.h"

#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace
{
const GlWindow::Colour black{0, 0, 0};

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
    EXPECT_EQ(black, window.pixel(126, 280)) << "the space's cell";
    EXPECT_EQ(2 * 18 * 40, litPixels()) << "nothing beyond the two cells";
}

TEST_F(FontDrawing, GlyphsCoverTheirScaledCellsAtTruncatedLeftsAndSkipCharactersOutsideTheAlphabet)
{
    // Opaque white everywhere, so even scaled and filtered glyph edges stay white; read when the font is
    // made, and a font without its picture draws nothing.
    const std::string path = writeSolidPicture("white.png", 64, 64, Rgba{255, 255, 255, 255});
    Handle<Font> font = new Font(path, "AB");
    std::filesystem::remove(path);
    const struct
    {
        const char* text;
        float scaleX, scaleY;
        std::set<int> lefts;
        int width, height;
    } cases[] = {
        {"B", 2, 1.5f, {10}, 36, 60},
        // Glyphs at positions 0, 2, 4 and 6, each 12.6 wide: lefts 10, 35, 60 and 85 (85.6 truncated).
        {"A B A B", 0.7f, 1, {10, 35, 60, 85}, 13, 40},
        {"ab\nA", 1, 1, {64}, 18, 40},
        {"A", 1, 0.5f, {10}, 18, 20},
    };
    for (const auto& entry : cases)
    {
        SCOPED_TRACE(entry.text);
        window.clear();
        glColor4f(1, 1, 1, 1);
        font->drawText(entry.text, 10, 300, entry.scaleX, entry.scaleY);
        std::set<int> expected;
        for (int left : entry.lefts)
            for (int x = left; x < left + entry.width; ++x)
                expected.insert(x);
        std::set<int> lit;
        for (int x = 0; x < 800; ++x)
            if (window.pixel(x, 299) != black)
                lit.insert(x);
        EXPECT_EQ(expected, lit);
        EXPECT_EQ(static_cast<int>(expected.size()) * entry.height, litPixels());
    }
    window.clear();
    Handle<Font>(new Font(folder.file("missing.png"), "AB"))->drawText("AB", 100, 300, 1, 1);
    EXPECT_EQ(0, litPixels());
    EXPECT_FALSE(glIsEnabled(GL_BLEND) || glIsEnabled(GL_TEXTURE_2D)) << "left enabled for the next drawing";
}
} // namespace
