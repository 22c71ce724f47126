#pragma once

#include "engine/Process.h"

// A full screen that ends on the first button click, whatever the button: the menu and the
// instructions. What follows the click is ProcessMain's business, which hears the same event. The
// screen's widgets stay in the Interface when it stops; the next screen clears them.
class ButtonScreen : public Process
{
public:
    void handleEvent(Event& event) override;

protected:
    void listenForButtons();
};
