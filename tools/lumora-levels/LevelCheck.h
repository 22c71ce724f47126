#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

class Solution;
class World;
struct LevelReport;
struct PlayOutcome;

// Checks one level file for its designer: what it holds, what went wrong in reading it, which body
// pictures are missing, what its title and hint show during the countdown, whether it is solved without
// any heart, and whether the solution recorded in its remarks still completes it.
class LevelCheck
{
public:
    enum class Verdict
    {
        Fine,
        // The recorded solution fails or cannot be read, or no heart is needed at all.
        Failed,
        // The file cannot be read; nothing was checked.
        Unreadable
    };

    explicit LevelCheck(std::string levelFile);

    // Writes the findings to `out` and a reason the file cannot be read to `errors`.
    Verdict run(std::ostream& out, std::ostream& errors) const;

private:
    static void describeContents(std::ostream& out, const World& world);
    static void describeReading(std::ostream& out, const LevelReport& report);
    // Pictures are looked for where the game looks: relative to the working folder.
    static void describeMissingPictures(std::ostream& out, const World& world);
    // Warns of a missing line, of characters the font cannot draw and of lines beyond what is shown.
    static void describeCaption(std::ostream& out, const std::string& remarks);
    // `name` heads the report's line, `keyword` is the line's keyword in the remarks.
    static void describeCaptionText(std::ostream& out, const char* name, const char* keyword,
                                    const std::string& text, const std::vector<std::string>& lines,
                                    std::size_t columns);
    bool checkWithoutHearts(std::ostream& out) const;
    bool checkSolution(std::ostream& out, const Solution& solution) const;

    static std::string describeOutcome(const PlayOutcome& outcome);

    std::string levelFile;
};
