#pragma once

#include "game/ButtonScreen.h"

// The instructions picture with a BACK button, which ends the screen and brings a new menu; releasing
// Escape does the same, as BACK.
class ProcessInstructions : public ButtonScreen
{
public:
    void start() override;
    void handleEvent(Event& event) override;
};
