#pragma once

#include <iosfwd>
#include <optional>

// The player's progress: the level most recently advanced to, as one decimal number and a line end in
// GameFiles::save. The game screen writes it when the player reaches a level whose file exists;
// CONTINUE reads it.
class SaveFile
{
public:
    // The first level: NEW GAME starts there, and so does CONTINUE when there is no usable save.
    static constexpr int firstLevel = 1;

    // The saved level; the first level when there is no save (a first run) or none that can be used: one
    // that cannot be read, is not a regular file or holds no level number, which one line on stderr names
    // once, and which is left as it is.
    static int readLevel();
    // The level that save text begins with; none when it does not begin with a number of 1 or above.
    static std::optional<int> parseLevel(std::istream& in);
    // Writes the level so that the old save or the new one is always there whole: the number goes to
    // a file of its own, which then replaces the save in one step. False when it could not be written;
    // the old save is then left as it was.
    static bool writeLevel(int level);
};
