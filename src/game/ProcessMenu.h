#pragma once

#include "game/ButtonScreen.h"

// The main menu over the background level: the title and the buttons NEW GAME, CONTINUE,
// INSTRUCTIONS and QUIT, centred on the field. A new menu is made each time the menu is shown.
class ProcessMenu : public ButtonScreen
{
public:
    void start() override;
};
