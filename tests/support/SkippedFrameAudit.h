#pragma once

#include "engine/FrameAudit.h"

#include <cstdint>
#include <string>
#include <vector>

// Holds the main loop to its rule while tests run the whole game: keeps the picture of every frame drawn,
// draws every skipped frame anyway and compares. A skipped frame that differs is a fault of some look,
// which leaves out a property its picture depends on; it is named by the topmost layer or widget whose own
// drawing covers the difference. Draws into the back buffer of the current OpenGL context.
class SkippedFrameAudit : public FrameAudit
{
public:
    void frameDrawn() override;
    void frameSkipped() override;

    // One line per skipped frame that differed from the picture on screen.
    const std::vector<std::string>& getFaults() const;
    // How many frames were skipped, and so compared.
    int getSkippedFrames() const;

private:
    std::vector<std::uint8_t> shown;
    std::vector<std::string> faults;
    int frames = 0;
    int skippedFrames = 0;
};
