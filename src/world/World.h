#pragma once

#include "engine/EventListener.h"

#include <string>

// The one playing field. Core owns it for the whole run; the main loop draws it every frame.
class World : public EventListener
{
public:
    void handleEvent(Event& event) override;
    void draw();
    // Replaces the whole field with the level in the file.
    void load(const std::string& fileName);
};
