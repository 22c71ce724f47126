#pragma once

#include "engine/EventListener.h"

// The one playing field. Core owns it for the whole run; the main loop draws it every frame.
class World : public EventListener
{
public:
    void handleEvent(Event& event) override;
    void draw();
};
