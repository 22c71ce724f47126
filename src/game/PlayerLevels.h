#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class LevelDraft;

// The folder of the player's own levels, beside the save in the game's working folder: level files in exactly
// the shipped format, so that one sent by someone else can be dropped in and played. Listing it never waits
// on what it finds there (a FIFO, a device, a link that leads nowhere or in a loop, a folder with a level's
// name, a huge file): each is listed with what is wrong with it. Levels are written as safely as the save.
class PlayerLevels
{
public:
    static constexpr char folder[] = "./mylevels";
    static constexpr char levelSuffix[] = ".txt";
    // At most this many levels are listed, the first by name; a larger folder says how many it left out.
    static constexpr std::size_t mostListed = 100;
    // New names are the stem and the lowest free number from 1: level1.txt, level2.txt, ...
    static constexpr char newLevelStem[] = "level";
    // Where the editor writes the level it plays or proves before it is saved: not a level's name, so never
    // listed.
    static constexpr char trialFile[] = "./mylevels/.trial";

    // One level of the folder as the list shows it.
    struct Entry
    {
        // The file's name in the folder, e.g. "level1.txt", and its path from the working folder.
        std::string name;
        std::string path;
        // Its TITLE as written, empty when it has none.
        std::string title;
        // Whether it could be read at all; if not, it cannot be edited.
        bool readable = false;
        // Why it cannot be read, what the game skips or cuts short, and what keeps it from being won; empty
        // for a level that plays as written.
        std::vector<std::string> problems;
    };

    struct Listing
    {
        std::vector<Entry> levels;
        // How many more level names the folder holds beyond those listed.
        std::size_t leftOut = 0;
    };

    // Everything in the folder under a level's name, regular file or not, in name order with numbers by
    // value (level2 before level10), at most mostListed; none when there is no folder.
    static Listing list();

    // Whether a level may be saved under the name: one file name ending in levelSuffix, not hidden.
    static bool isLevelName(const std::string& name);
    // The path of a level's name, from the working folder.
    static std::string pathOf(const std::string& name);
    // The first name of stem + n + levelSuffix, n from 1, under which nothing stands yet.
    static std::string freeName(const std::string& stem = newLevelStem);

    // Writes the draft under the name, making the folder when it is missing, as safely as the save; false
    // when the name is not a level's or the file could not be written (the old one is then as it was).
    static bool save(const LevelDraft& draft, const std::string& name);
    // Reads a level file from anywhere (a shipped level, say) and saves it under a free name of the
    // player's, whose stem is the file's own; the new name, or nothing when it could not be read or saved.
    static std::optional<std::string> copyIn(const std::string& levelFile);
    // Removes the level; false when it could not.
    static bool remove(const std::string& name);
    // Writes the draft to trialFile for a play or a proof; the path, or nothing when it could not.
    static std::optional<std::string> writeTrial(const LevelDraft& draft);

    // The key of the level's record in Records: "my/" and the name, every byte that a key may not hold
    // (and the escape itself, '_') written as '_' and two hex digits, so no two names share a key.
    static std::string recordsKey(const std::string& name);
};
