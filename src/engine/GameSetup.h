#pragma once

#include "engine/Handle.h"

#include <functional>
#include <optional>
#include <string>

class Process;

// What the engine needs of the game it runs, handed over by main(): the files Core loads on the game's
// behalf at start-up, and the maker of the root of the game's process tree. So the engine names nothing of
// the game it runs.
struct GameSetup
{
    // The window's icon, read before the window opens; without it desktops show their default.
    std::string windowIcon;
    // The picture of the font's glyph cells.
    std::string fontPicture;
    // The field shown from start-up until a screen loads another.
    std::string backgroundLevel;
    // Played in a loop from start-up to exit.
    std::string music;
    // Loaded at start-up and played whenever the World takes a heart from a supply.
    std::string clickSound;
    // Makes the root game process, which Core adds under its ProcessManager once everything is loaded.
    std::function<Handle<Process>()> makeRoot;
    // The player's standing answer to the full-screen question, when they chose not to be asked.
    std::optional<bool> fullscreenAnswer;
};
