#pragma once

#include "game/ProcessOverlay.h"

#include <cstdint>
#include <string>

// An overlay that shows a fixed text and ends on the first Tick at least its duration after it started.
class TimedOverlay : public ProcessOverlay
{
public:
    TimedOverlay(std::string text, float x, float y, std::uint32_t durationMilliseconds);

    void start() override;
    void handleEvent(Event& event) override;

private:
    std::string text;
    float x;
    float y;
    std::uint32_t duration;
    // SDL's tick count when the text appeared.
    std::uint32_t startTime = 0;
};
