#pragma once

#include "engine/Handle.h"
#include "game/CaptionLayout.h"
#include "game/Pausable.h"
#include "game/ProcessOverlay.h"
#include "game/TextCard.h"
#include "world/LevelCaption.h"

#include <cstdint>
#include <string>

class GeneratorSigns;

// Opens every level: "LEVEL n STARTING IN s" for s = 2, 1, 0, one step a second, then ends and the
// game screen starts the play phase. A late frame is not made up: each step waits a full second from
// the step before it. Meanwhile the level's title and hint stand on a card, and a sign marks each
// generator that will release particles, where CaptionLayout leaves the level's bodies in view; all of it
// goes when the countdown stops. Paused, the
// count stands still and keeps what was left of its second.
class ProcessCountdown : public ProcessOverlay, public Pausable
{
public:
    static constexpr int firstSecond = 2;
    static constexpr std::uint32_t stepMilliseconds = 1000;

    // The heading names the level ("LEVEL n"); the caption is the one in the remarks of the level file just
    // loaded.
    ProcessCountdown(std::string levelHeading, LevelCaption caption);
    ~ProcessCountdown() override;

    void start() override;
    // Takes down the caption and the signs, then stops as every overlay does.
    void stop() override;
    void handleEvent(Event& event) override;
    void pause() override;
    void resume() override;

    // Fills the card with the caption's lines as the countdown shows them at the placement's width: the
    // editor previews the caption with it.
    static void addCaptionLines(TextCard& card, const LevelCaption& caption, float width);

private:
    std::string text() const;
    void showCaption(const CaptionLayout::Placement& placement);
    void showGeneratorSigns();

    std::string heading;
    // SDL's tick count at the start or at the last step.
    std::uint32_t lastTime = 0;
    int secondsLeft = firstSecond;
    bool paused = false;
    // SDL's tick count when the pause began.
    std::uint32_t pausedAt = 0;
    LevelCaption levelCaption;
    TextCard caption;
    Handle<GeneratorSigns> signs;
};
