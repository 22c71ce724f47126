#include "graphics/Font.h"

#include "engine/Core.h"
#include "support/CoreFixture.h"
#include "support/GlWindow.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"

#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

using testpictures::Rgba;

namespace
{
const std::string gameAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!:?,./";

TEST(GlyphCell, FirstCellOfAWidePicture)
{
    const Font::GlyphCell cell = Font::glyphCell(0, 756, 80);
    EXPECT_FLOAT_EQ(0, cell.s0);
    EXPECT_FLOAT_EQ(18.0f / 756, cell.s1);
    EXPECT_FLOAT_EQ(0.5f, cell.t0);
    EXPECT_FLOAT_EQ(1, cell.t1);
}

TEST(GlyphCell, TheGamePictureMapsEveryCellOntoWholePixels)
{
    for (int index = 0; index < static_cast<int>(gameAlphabet.size()); ++index)
    {
        const Font::GlyphCell cell = Font::glyphCell(index, 1024, 64);
        EXPECT_EQ(18.0f * index, cell.s0 * 1024) << "cell " << index;
        EXPECT_EQ(18.0f * index + 18, cell.s1 * 1024) << "cell " << index;
        EXPECT_EQ(24, cell.t0 * 64) << "cell " << index;
        EXPECT_EQ(1, cell.t1) << "cell " << index;
    }
}

TEST(GlyphCell, CellsContinueOnTheNextBandOfFortyPixels)
{
    // Two cells fit across 36 pixels: cell 2 starts the second band, cell 5 is the right one of the third.
    const Font::GlyphCell second = Font::glyphCell(2, 36, 120);
    EXPECT_FLOAT_EQ(0, second.s0);
    EXPECT_FLOAT_EQ(40.0f / 120, second.t0);
    EXPECT_FLOAT_EQ(80.0f / 120, second.t1);
    const Font::GlyphCell third = Font::glyphCell(5, 36, 120);
    EXPECT_FLOAT_EQ(0.5f, third.s0);
    EXPECT_FLOAT_EQ(1, third.s1);
    EXPECT_FLOAT_EQ(0, third.t0);

    // Offsets wrap by the picture's width even when it is no multiple of 18: cell 6 starts at 108.
    const Font::GlyphCell wrapped = Font::glyphCell(6, 100, 80);
    EXPECT_FLOAT_EQ(0.08f, wrapped.s0);
    EXPECT_FLOAT_EQ(0, wrapped.t0);
}

TEST(GlyphLeft, AdvancesWholeCellsTruncatedTowardZero)
{
    EXPECT_EQ(0, Font::glyphLeft(0, 0.7f, 0));
    EXPECT_EQ(12, Font::glyphLeft(0, 0.7f, 1));
    EXPECT_EQ(25, Font::glyphLeft(0, 0.7f, 2));
    EXPECT_EQ(37, Font::glyphLeft(0, 0.7f, 3));
    EXPECT_EQ(136, Font::glyphLeft(100, 1, 2));
    EXPECT_EQ(-7, Font::glyphLeft(-20, 0.7f, 1)) << "-7.4 truncates toward zero";
}

// Fonts draw through Core's texture cache into a real window; Core goes before the window.
class FontDrawingTest : public CoreFixture
{
protected:
    GlWindow window;
    TempFolder folder;

    // 64 by 64: cell A red over green (top half, bottom half), cell B blue, cell C white, the rest
    // see-through. At scale 1 every screen pixel samples one texel's centre, so colours are exact.
    std::string writeCellPicture()
    {
        const std::string path = folder.file("cells.png");
        testpictures::writeTrueColour(path, 64, 64, 32,
                                      [](int x, int y)
                                      {
                                          if (y >= 40 || x >= 54)
                                              return Rgba{0, 0, 0, 0};
                                          if (x < 18)
                                              return y < 20 ? Rgba{255, 0, 0, 255} : Rgba{0, 255, 0, 255};
                                          return x < 36 ? Rgba{0, 0, 255, 255} : Rgba{255, 255, 255, 255};
                                      });
        return path;
    }

    // Opaque white everywhere, so even scaled and filtered glyph edges stay white.
    std::string writeWhitePicture()
    {
        const std::string path = folder.file("white.png");
        testpictures::writeTrueColour(path, 64, 64, 32, [](int, int) { return Rgba{255, 255, 255, 255}; });
        return path;
    }

    void drawWhite(Font& font, const std::string& text, int x, int y, float scaleX, float scaleY)
    {
        window.clear();
        glColor4f(1, 1, 1, 1);
        font.drawText(text, x, y, scaleX, scaleY);
    }

    // Pixels of the frame that are not black.
    int litPixels() const
    {
        const std::vector<std::uint8_t> frame = window.frame();
        int lit = 0;
        for (std::size_t at = 0; at < frame.size(); at += 3)
            lit += (frame[at] | frame[at + 1] | frame[at + 2]) != 0;
        return lit;
    }

    std::set<int> litColumns(int y) const
    {
        std::set<int> columns;
        for (int x = 0; x < 800; ++x)
            if (window.pixel(x, y) != GlWindow::Colour{0, 0, 0})
                columns.insert(x);
        return columns;
    }
};

const GlWindow::Colour black{0, 0, 0};

TEST_F(FontDrawingTest, GlyphsShowTheirCellUprightAndASpaceLeavesItsCellEmpty)
{
    Handle<Font> font = new Font(writeCellPicture(), "ABC");
    drawWhite(*font, "A B", 100, 300, 1, 1);

    EXPECT_EQ((GlWindow::Colour{255, 0, 0}), window.pixel(100, 299));
    EXPECT_EQ((GlWindow::Colour{255, 0, 0}), window.pixel(117, 280));
    EXPECT_EQ((GlWindow::Colour{0, 255, 0}), window.pixel(117, 279));
    EXPECT_EQ((GlWindow::Colour{0, 255, 0}), window.pixel(100, 260));
    EXPECT_EQ((GlWindow::Colour{0, 0, 255}), window.pixel(136, 299));
    EXPECT_EQ((GlWindow::Colour{0, 0, 255}), window.pixel(153, 260));
    for (int x : {118, 126, 135})
        EXPECT_EQ(black, window.pixel(x, 280)) << "the space's cell at x " << x;
    EXPECT_EQ(black, window.pixel(99, 280));
    EXPECT_EQ(black, window.pixel(154, 280));
    EXPECT_EQ(black, window.pixel(110, 300));
    EXPECT_EQ(black, window.pixel(110, 259));
    EXPECT_EQ(2 * 18 * 40, litPixels());
}

TEST_F(FontDrawingTest, ScaledGlyphsCoverTheirScaledCellExactly)
{
    Handle<Font> font = new Font(writeWhitePicture(), "AB");
    drawWhite(*font, "B", 10, 500, 2, 1.5f);
    EXPECT_EQ(36 * 60, litPixels());
    EXPECT_NE(black, window.pixel(10, 440));
    EXPECT_NE(black, window.pixel(45, 499));
    EXPECT_EQ(black, window.pixel(46, 470));
    EXPECT_EQ(black, window.pixel(20, 439));
}

TEST_F(FontDrawingTest, GlyphLeftsAreTruncatedAtFractionalScales)
{
    Handle<Font> font = new Font(writeWhitePicture(), "AB");
    // Glyphs at positions 0, 2, 4 and 6, each 12.6 wide: lefts 0, 25, 50 and 75 (75.6 truncated).
    drawWhite(*font, "A B A B", 0, 300, 0.7f, 1);
    std::set<int> expected;
    for (int left : {0, 25, 50, 75})
        for (int x = left; x <= left + 12; ++x)
            expected.insert(x);
    EXPECT_EQ(expected, litColumns(280));
}

TEST_F(FontDrawingTest, CharactersOutsideTheAlphabetTakeTheirCellAndDrawNothing)
{
    Handle<Font> font = new Font(writeWhitePicture(), "AB");
    drawWhite(*font, "ab\nA", 0, 300, 1, 1);
    std::set<int> expected;
    for (int x = 54; x < 72; ++x)
        expected.insert(x);
    EXPECT_EQ(expected, litColumns(280));
    EXPECT_EQ(18 * 40, litPixels());
}

TEST_F(FontDrawingTest, ThePictureIsLoadedWhenTheFontIsMade)
{
    const std::string path = writeWhitePicture();
    Handle<Font> font = new Font(path, "AB");
    std::filesystem::remove(path);
    drawWhite(*font, "A", 0, 300, 1, 1);
    EXPECT_EQ(18 * 40, litPixels());
}

TEST_F(FontDrawingTest, AMissingPictureDrawsNothingAndLeavesBlendingAndTexturingOff)
{
    Handle<Font> font = new Font(folder.file("missing.png"), gameAlphabet);
    drawWhite(*font, "QUIT", 100, 300, 1, 1);
    EXPECT_EQ(0, litPixels());
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

// The game's own picture: every character of a line shows something inside its cell and nothing spills
// out of the line. Set LUMORA_FRAME_FOLDER to keep the frame as a picture to look at.
TEST_F(FontDrawingTest, TheGameFontDrawsALineInsideItsCells)
{
    const std::string picture = std::string(LUMORA_SOURCE_DIR) + "/data/graphics/font.png";
    ASSERT_TRUE(std::filesystem::exists(picture)) << picture;
    Handle<Font> font = new Font(picture, gameAlphabet);
    const std::string line = "LUMORA: LEVEL 12/40, QUIT? OK!";
    const int left = 20;
    const int top = 320;
    drawWhite(*font, line, left, top, 1, 1);

    if (const char* keep = std::getenv("LUMORA_FRAME_FOLDER"))
        testpictures::writeFrame(std::string(keep) + "/game-font-line.png", window.frame(), 800, 600);

    const std::vector<std::uint8_t> frame = window.frame();
    std::vector<int> litPerCell(line.size(), 0);
    int litOutside = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
        {
            const std::size_t at = (static_cast<std::size_t>(y) * 800 + x) * 3;
            if (frame[at] < 64 && frame[at + 1] < 64 && frame[at + 2] < 64)
                continue;
            const int cell = (x - left) / Font::glyphWidthPixels;
            const bool inLine = x >= left && cell < static_cast<int>(line.size()) && y < top &&
                                y >= top - Font::glyphHeightPixels;
            if (inLine)
                ++litPerCell[cell];
            else
                ++litOutside;
        }
    EXPECT_EQ(0, litOutside);
    for (std::size_t cell = 0; cell < line.size(); ++cell)
    {
        if (line[cell] == ' ')
            EXPECT_EQ(0, litPerCell[cell]) << "the space at " << cell;
        else
            EXPECT_GT(litPerCell[cell], 20) << "'" << line[cell] << "' at " << cell;
    }
}

} // namespace
