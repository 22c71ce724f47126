#pragma once

#include <iosfwd>
#include <string>

// The player's progress: the level most recently advanced to, as one decimal number and a line end in
// GameFiles::save. The game screen writes it when the player reaches a level whose file exists;
// CONTINUE reads it.
class SaveFile
{
public:
    // The first level: NEW GAME starts there, and so does CONTINUE when there is no usable save.
    static constexpr int firstLevel = 1;

    // The saved level; the first level when the file is missing, unreadable, does not begin with a
    // number, or holds a number below 1.
    static int readLevel();
    // The same rule for save text from any stream.
    static int parseLevel(std::istream& in);
    // Writes the level so that the old save or the new one is always there whole: the number goes to
    // a file of its own, which then replaces the save in one step. False when it could not be written;
    // the old save is then left as it was.
    static bool writeLevel(int level);
};
