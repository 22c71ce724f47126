#pragma once

#include "engine/Object.h"

#include <string>

// The bitmap font that draws every text of the game from one picture of fixed-size glyph cells. The
// cells run left to right along the top band of the picture and continue on the next band of 40 pixels
// when they reach its width; cell k holds the k-th character of the alphabet. Core creates the one font
// at start-up and keeps it for the run.
class Font : public Object
{
public:
    // The characters of the game's own font picture, in cell order; no other character can be drawn.
    static constexpr char gameAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!:?,./";
    static constexpr int glyphWidthPixels = 18;
    static constexpr int glyphHeightPixels = 40;
    // Returned by cellIndex for a character the alphabet lacks.
    static constexpr int noCell = -1;

    // Where one cell lies in the picture, as texture coordinates: s from the left edge, t from the
    // bottom edge (the way the texture cache uploads pictures), so t1 is the cell's top.
    struct GlyphCell
    {
        float s0;
        float s1;
        float t0;
        float t1;
    };

    // Loads the picture through the texture cache at once; needs Core and the OpenGL context.
    Font(std::string pictureFileName, std::string characters);

    // Draws one line with its first glyph's top-left corner at (x, y), y up. Every character advances by
    // a whole cell, 18 * scaleX; characters outside the alphabet draw nothing. The caller sets the colour.
    // A picture that could not be read draws nothing.
    void drawText(const std::string& text, int x, int y, float scaleX, float scaleY);

    // The cell size in pixels, which is also a glyph's size on screen at scale 1.
    int getGlyphWidth() const;
    int getGlyphHeight() const;

    // The cell of the first occurrence of the character in the alphabet, or noCell.
    int cellIndex(char character) const;
    // The cell's texture coordinates in a picture of that size; both sides must be positive.
    static GlyphCell glyphCell(int index, int pictureWidth, int pictureHeight);
    // The left edge of the character at `position` in a line starting at x, truncated toward zero.
    static int glyphLeft(int x, float scaleX, int position);

private:
    static void drawGlyph(const GlyphCell& cell, int left, int top, float scaleX, float scaleY);

    std::string textureName;
    std::string alphabet;
};
