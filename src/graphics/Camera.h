#pragma once

#include "engine/EventListener.h"

// A listener that reacts to nothing; Core creates it and keeps it for the run, and nothing registers it.
// Deliberately kept: it holds Core's place for a camera in the order of creation and teardown, which the
// destructor's sequence follows; nothing else depends on it.
class Camera : public EventListener
{
public:
    void handleEvent(Event& event) override;
};
