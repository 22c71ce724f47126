#pragma once

#include <iosfwd>
#include <map>
#include <optional>
#include <string>

// The fewest hearts each level was won with, kept in a file of its own beside the save, one level a line:
// the level's key (its number for the game's levels) and the hearts, e.g. "7 2". A level with a record has
// been won. The file is read whole each time it is wanted and written as safely as the save; a damaged line
// is skipped with one line on standard error, and what else the file holds still counts.
class Records
{
public:
    // The most bytes a records file may take before it counts as damaged as a whole.
    static constexpr std::size_t largestFile = 1 << 20;

    // The records in GameFiles::records; none when it is missing, damaged or unreadable (said on stderr).
    static Records load();
    // The records in the text; damaged lines are skipped and counted.
    static Records parse(const std::string& text);

    // The key of the game's level n.
    static std::string keyOf(int level);

    // The fewest hearts the level was won with, if it was won.
    std::optional<int> bestOf(const std::string& key) const;
    // Keeps a win with that many hearts when the level has no record or a worse one, and writes the file;
    // false when it could not be written (the record then lives on only in this object).
    bool recordWin(const std::string& key, int hearts);
    // The text of the file, one record a line in the keys' order.
    std::string text() const;
    int getDamagedLines() const;

private:
    std::map<std::string, int> best;
    int damagedLines = 0;
};
