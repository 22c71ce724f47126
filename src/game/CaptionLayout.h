#pragma once

#include "graphics/Font.h"

#include <cstddef>
#include <string>
#include <vector>

class LevelCaption;

// Where the countdown shows a level's caption and how much of it: the title on one line, the hint wrapped
// below it, each line centred on the field and kept within the shown width. Read by the countdown and by
// the level tool, which warns of a caption that does not fit.
class CaptionLayout
{
public:
    // In field units: the title's top, the width every line is centred within, and the lowest the last line
    // may reach, which leaves room below for the countdown's own line. Scales multiply the font's glyph
    // cell.
    static constexpr float shownTop = 575;
    static constexpr float shownWidth = 720;
    static constexpr float shownBottom = 325;
    static constexpr float titleScale = 1;
    static constexpr float hintScale = 0.7f;
    static constexpr std::size_t titleColumns =
        static_cast<std::size_t>(shownWidth / (Font::glyphWidthPixels * titleScale));
    static constexpr std::size_t hintColumns =
        static_cast<std::size_t>(shownWidth / (Font::glyphWidthPixels * hintScale));
    // The title's one line, then the hint's lines that fit above shownBottom; further lines are not shown.
    static constexpr std::size_t titleLinesShown = 1;
    static constexpr std::size_t hintLinesShown =
        static_cast<std::size_t>((shownTop - Font::glyphHeightPixels * titleScale - shownBottom) /
                                 (Font::glyphHeightPixels * hintScale));

    // The lines of the title and of the hint as the countdown shows them.
    static std::vector<std::string> titleLines(const LevelCaption& caption);
    static std::vector<std::string> hintLines(const LevelCaption& caption);
};
