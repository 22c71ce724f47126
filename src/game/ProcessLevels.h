#pragma once

#include "engine/Handle.h"
#include "engine/Process.h"

#include <vector>

class TileButton;

// The level screen: every level of the game as a numbered tile with its title, a page at a time. The
// levels up to the one the save has reached can be played; later ones are shown locked; a won level is
// marked with the fewest hearts it was won with. A click on a tile, or Enter or Space on the one the arrow
// keys have chosen, ends the screen, and ProcessMain starts that level; PREVIOUS and NEXT, or Page Up and
// Page Down, turn the pages; BACK or Escape ends the screen for the menu, MY LEVELS for the player's own
// levels. Like the menu, it leaves its widgets for the next screen to clear.
class ProcessLevels : public Process
{
public:
    ProcessLevels();
    ~ProcessLevels() override;

    void start() override;
    void handleEvent(Event& event) override;

private:
    void showPage(int page);
    void keyPressed(int key);
    // Moves the keys' choice by that many tiles, across pages, within the levels that can be played.
    void moveChoice(int tiles);
    // Posts the click of the chosen tile, as the mouse would.
    void chooseTile();
    int pageCount() const;

    int levels = 0;
    int reached = 1;
    int page = 0;
    // The level the keys have chosen, from 1.
    int chosen = 1;
    std::vector<Handle<TileButton>> tiles;
};
