#pragma once

#include "engine/EventListener.h"

// A listener that reacts to nothing; Core creates it and keeps it for the run, and nothing registers it.
class Camera : public EventListener
{
public:
    void handleEvent(Event& event) override;
};
