#pragma once

#include <string>

// The player's choices from the options screen, kept in a file of their own beside the save, one a line:
// "music 7", "effects 10", "fullscreen no", "ask yes". Missing lines keep their defaults, which are the game
// as it always was; a damaged line is skipped with one line on standard error. Written as safely as the save.
class Settings
{
public:
    // Volumes run from 0 (silent) to loudest, the level the game always had.
    static constexpr int loudest = 10;
    static constexpr std::size_t largestFile = 4096;

    // The settings in GameFiles::settings, or the defaults where it has none or cannot be read (said on
    // stderr).
    static Settings load();
    // The settings in the text; damaged lines are skipped and counted.
    static Settings parse(const std::string& text);
    // Writes GameFiles::settings; false when it could not be written.
    bool save() const;
    std::string text() const;

    int musicVolume = loudest;
    int effectsVolume = loudest;
    // The full-screen choice, and whether the game asks it at start; when not, the choice stands.
    bool fullscreen = false;
    bool askAtStart = true;
    int damagedLines = 0;
};
