#pragma once

#include <chrono>
#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

class Solution;
class World;
struct LevelReport;
struct PlayOutcome;

// Checks one level file for its designer: what it holds, what went wrong in reading it, which body
// pictures the game cannot load, what its title and hint show during the countdown, whether it can be won
// at all and is not won without any heart, and whether the solution recorded in its remarks still
// completes it. Whatever it prints from the file is made harmless to a terminal (see printable()).
class LevelCheck
{
public:
    enum class Verdict
    {
        Fine,
        // The level cannot be played as written, is won without hearts, or its recorded solution fails or
        // cannot be read.
        Failed,
        // A play did not end before the deadline, so the check is incomplete.
        Stopped,
        // The file cannot be read; nothing was checked.
        Unreadable
    };

    LevelCheck(std::string levelFile, std::chrono::steady_clock::time_point deadline);

    // Writes the findings to `out` and a reason the file cannot be read to `errors`.
    Verdict run(std::ostream& out, std::ostream& errors) const;

private:
    // Each adds to `failures` a short reason the level cannot be fine.
    static void describeContents(std::ostream& out, const World& world, std::vector<std::string>& failures);
    static void describeReading(std::ostream& out, const LevelReport& report,
                                std::vector<std::string>& failures);
    // Pictures are looked for where the game looks: relative to the working folder, regular files only.
    static void describeMissingPictures(std::ostream& out, const World& world);
    // Warns of a missing line, of characters the font cannot draw and of lines beyond what is shown.
    static void describeCaption(std::ostream& out, const std::string& remarks);
    // Where the countdown puts the caption and its own line, and what of the bodies and signs they hide;
    // warns of a body hidden beyond CaptionLayout's limit or a sign on a letter.
    void describeCaptionPlace(std::ostream& out, const World& world, const std::string& remarks) const;
    // The level's number, read from a file name like levels/level12.txt; 1 for any other name.
    int levelNumber() const;
    // `name` heads the report's line, `keyword` is the line's keyword in the remarks.
    static void describeCaptionText(std::ostream& out, const char* name, const char* keyword,
                                    const std::string& text, const std::vector<std::string>& lines,
                                    std::size_t columns);
    // The characters of the text that the font cannot draw, each once, in the order they first appear; one
    // more than are shown at most.
    static std::vector<std::string> lostCharacters(const std::string& text);
    // Each returns false when its play stopped at the deadline.
    bool checkWithoutHearts(std::ostream& out, std::vector<std::string>& failures) const;
    bool checkSolution(std::ostream& out, const Solution& solution, std::vector<std::string>& failures) const;

    static std::string describeOutcome(const PlayOutcome& outcome);

    std::string levelFile;
    std::chrono::steady_clock::time_point deadline;
};
