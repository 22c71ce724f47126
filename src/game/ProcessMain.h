#pragma once

#include "engine/Process.h"

// The root of the game flow: it owns the top-level screens and ends the program on QUIT.
class ProcessMain : public Process
{
public:
    void start() override;
    void stop() override;
    void handleEvent(Event& event) override;
};
