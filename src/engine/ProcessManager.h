#pragma once

#include "engine/Process.h"

// The root of the process tree. Core holds the one manager; it never registers for events, and the tree
// below it is reaped by Core::update after every delivery pass.
class ProcessManager : public Process
{
public:
    void handleEvent(Event& event) override;
};
