#pragma once

#include "world/Generator.h"
#include "world/GravBody.h"

#include <cstddef>
#include <string>
#include <vector>

struct LevelReport;

// A level being edited: its records with the fields the loader reads, the TITLE, HINT and SOLUTION lines of
// its remarks, and the rest of the remarks kept as written. It is read as World::load reads a level, so the
// editor shows what the game plays, together with what the loader skipped or cut short; it is written in the
// layout of the shipped levels (generators, then bodies, one record a line, then the remarks) with every
// number in the shortest text that reads back as the same value, so that the game plays what the editor
// showed.
class LevelDraft
{
public:
    // A file larger than this is not read: hand-made levels take a few kilobytes, and the player's folder is
    // listed by reading every level in it.
    static constexpr std::size_t largestFileBytes = 256 * 1024;
    // A problem names this many of the skipped words, each cut to this many characters.
    static constexpr std::size_t skippedWordsNamed = 4;
    static constexpr std::size_t wordCharactersNamed = 20;
    // The remark line of the level tool's solution, as its Solution reads it.
    static constexpr char solutionKeyword[] = "SOLUTION";
    // Written for a body whose picture was cut short, since a record cannot hold an empty word: like an
    // empty name, it names no picture and no planet.
    static constexpr char noPicture[] = "none";

    // The level in the file, a path relative to the working folder. A file that is missing, too large or
    // not a regular file gives an empty draft whose read problems say why.
    static LevelDraft read(const std::string& fileName);
    // The level that the text of a level file holds.
    static LevelDraft parse(const std::string& text);

    // The level file: records, then "//REMARKS" when there are remarks or a caption or solution to write,
    // with TITLE, HINT and SOLUTION in the lines they were read from (new ones first) and every other
    // remark line as it was.
    std::string text() const;

    // What the game plays otherwise than the file was written, or why it could not be read: one sentence
    // each, in the order found; empty for a clean file.
    const std::vector<std::string>& getReadProblems() const;
    // What keeps the level as it stands from being won: no planet, too few particles for the goal.
    std::vector<std::string> playProblems() const;

    std::vector<Generator> generators;
    std::vector<GravBody> bodies;
    // The text after each keyword on its line, without the blanks around it; empty when there is none.
    // Each is one line: a line end in it is written as a blank.
    std::string title;
    std::string hint;
    std::string solution;

private:
    void noteReport(const LevelReport& report);
    void writeRemarks(std::string& out) const;

    // The remarks as read, from just after the "//REMARKS" keyword.
    std::string remarks;
    bool hasRemarks = false;
    std::vector<std::string> readProblems;
};
