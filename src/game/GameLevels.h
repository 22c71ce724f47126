#pragma once

#include <string>

// The game's own levels, level1.txt, level2.txt, ... in the levels folder, played in order: the game goes on
// while the next level's file exists. Only a regular file is a level: opening a FIFO would wait for a writer
// for ever.
class GameLevels
{
public:
    // The most levels the level screen looks for; a game with more plays them all the same.
    static constexpr int mostListed = 999;
    // A title is looked for in this many bytes at the start of a level's file.
    static constexpr std::size_t titleBytesRead = 64 * 1024;

    // The file of level n, numbered from 1, as GameFiles spells it.
    static std::string fileName(int level);
    static bool exists(int level);
    // How many levels there are from the first without a gap, at most mostListed.
    static int count();
    // The title of the level's caption as written, or empty.
    static std::string title(int level);
};
