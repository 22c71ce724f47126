#pragma once

#include "engine/Process.h"

#include <cstdint>

// The logo, shown over the field for two seconds at the start of the program. No input shortens it;
// its ProcessStopped makes ProcessMain open the menu.
class ProcessIntro : public Process
{
public:
    static constexpr std::uint32_t durationMilliseconds = 2000;

    void start() override;
    void handleEvent(Event& event) override;

private:
    // SDL's tick count when the logo appeared.
    std::uint32_t startTime = 0;
};
