#pragma once

#include "game/ProcessOverlay.h"

#include <cstdint>

// Opens every level: "LEVEL n STARTING IN s" for s = 2, 1, 0, one step a second, then ends and the
// game screen starts the play phase. A late frame is not made up: each step waits a full second from
// the step before it.
class ProcessCountdown : public ProcessOverlay
{
public:
    static constexpr int firstSecond = 2;
    static constexpr std::uint32_t stepMilliseconds = 1000;

    explicit ProcessCountdown(int levelNumber);

    void start() override;
    void handleEvent(Event& event) override;

private:
    std::string text() const;

    int level;
    // SDL's tick count at the start or at the last step.
    std::uint32_t lastTime = 0;
    int secondsLeft = firstSecond;
};
