#pragma once

#include "game/ButtonScreen.h"

// The main menu over the background level: the title and the buttons NEW GAME, CONTINUE, INSTRUCTIONS
// and QUIT, then LEVELS and OPTIONS, centred on the field, and the game's version small in a corner. A new
// menu is made each time the menu is shown.
class ProcessMenu : public ButtonScreen
{
public:
    void start() override;
};
