#pragma once

#include "graphics/Font.h"

#include <cstddef>
#include <string>
#include <vector>

// A level's name and hint for the player, each written on one line of the level file's remarks (the free
// text after "//REMARKS", which the loader ignores), e.g.
//     TITLE First light
//     HINT Left click below the stream to place a light heart.
// and the rules that turn such text into lines the game's font can draw. The game shows them during the
// countdown; the level tool reports a level whose lines are missing or lose characters.
class LevelCaption
{
public:
    static constexpr char titleKeyword[] = "TITLE";
    static constexpr char hintKeyword[] = "HINT";

    // Where the countdown shows the caption, in field units: the title's top, the width every line is
    // centred within, and the lowest the last line may reach, which leaves room below for the countdown's
    // own line. Scales multiply the font's glyph cell.
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

    // Takes the first TITLE and the first HINT line of the remarks; either may be missing.
    static LevelCaption findIn(const std::string& remarks);

    // The text after the keyword as written, without the blanks around it; empty when the line is missing.
    const std::string& getTitle() const;
    const std::string& getHint() const;
    // The lines of the title and of the hint as the countdown shows them, each kept within its columns.
    std::vector<std::string> shownTitleLines() const;
    std::vector<std::string> shownHintLines() const;

    // What the font draws of the text: letters upper-cased, every run of white space one blank, none at
    // either end, and every other character outside the font's alphabet dropped.
    static std::string drawable(const std::string& text);
    // The characters that drawable() drops (upper-casing and white space lose nothing), each once, in
    // the order they first appear.
    static std::string lostCharacters(const std::string& text);
    // Breaks drawable text into lines of at most `columns` characters at its blanks; a word longer than
    // a line is cut. Empty text gives no lines.
    static std::vector<std::string> wrap(const std::string& text, std::size_t columns);

private:
    std::string title;
    std::string hint;
};
