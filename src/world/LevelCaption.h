#pragma once

#include <cstddef>
#include <string>
#include <vector>

// A level's name and hint for the player, each written on one line of the level file's remarks (the free
// text after "//REMARKS", which the loader ignores), e.g.
//     TITLE First light
//     HINT Left click below the stream to place a light heart.
// and the rules that turn such text into lines the game's font can draw. The game shows them during the
// countdown (CaptionLayout says where); the level tool reports a level whose lines are missing or lose
// characters.
class LevelCaption
{
public:
    static constexpr char titleKeyword[] = "TITLE";
    static constexpr char hintKeyword[] = "HINT";

    // Takes the first TITLE and the first HINT line of the remarks; either may be missing.
    static LevelCaption findIn(const std::string& remarks);

    // The text after the keyword as written, without the blanks around it; empty when the line is missing.
    const std::string& getTitle() const;
    const std::string& getHint() const;

    // What the font draws of the text: letters upper-cased, every run of white space one blank, none at
    // either end, and every other character outside the font's alphabet dropped.
    static std::string drawable(const std::string& text);
    // The characters that drawable() drops (upper-casing and white space lose nothing), each once, in
    // the order they first appear.
    static std::string lostCharacters(const std::string& text);
    // Breaks drawable text into lines of at most `columns` characters at its blanks, a word longer than a
    // line cut, and stops after `maxLines` lines; the work is in proportion to what it returns. Empty text
    // gives no lines.
    static std::vector<std::string> wrap(const std::string& text, std::size_t columns,
                                         std::size_t maxLines = noLineLimit);
    // Counts the lines wrap() would make of the whole text, in one pass over it.
    static std::size_t countLines(const std::string& text, std::size_t columns);

    static constexpr std::size_t noLineLimit = static_cast<std::size_t>(-1);

private:
    std::string title;
    std::string hint;
};
