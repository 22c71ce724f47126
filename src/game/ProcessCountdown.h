#pragma once

#include "engine/Handle.h"
#include "game/ProcessOverlay.h"
#include "game/ScreenLayout.h"
#include "game/TextCard.h"
#include "graphics/Font.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class GeneratorSigns;
class LevelCaption;

// Opens every level: "LEVEL n STARTING IN s" for s = 2, 1, 0, one step a second, then ends and the
// game screen starts the play phase. A late frame is not made up: each step waits a full second from
// the step before it. Meanwhile the level's title and hint stand on a card above that line, and a sign
// marks each generator that will release particles; all of it goes when the countdown stops.
class ProcessCountdown : public ProcessOverlay
{
public:
    static constexpr int firstSecond = 2;
    static constexpr std::uint32_t stepMilliseconds = 1000;

    // The caption card: the title's top, then the hint's lines below it, all centred within the width.
    static constexpr float captionTop = 575;
    static constexpr float captionWidth = 720;
    static constexpr float titleScale = 1;
    static constexpr float hintScale = 0.7f;
    // The card's panel stays this far above the countdown line.
    static constexpr float captionClearance = 15;
    static constexpr std::size_t titleColumns =
        static_cast<std::size_t>(captionWidth / (Font::glyphWidthPixels * titleScale));
    static constexpr std::size_t hintColumns =
        static_cast<std::size_t>(captionWidth / (Font::glyphWidthPixels * hintScale));
    // Lines that fit between the card's top and the countdown line; any further lines are not shown.
    static constexpr std::size_t titleLinesShown = 1;
    static constexpr std::size_t hintLinesShown = static_cast<std::size_t>(
        (captionTop - Font::glyphHeightPixels * titleScale - ScreenLayout::countdownLineTopLeft.y -
         captionClearance - TextCard::padding) /
        (Font::glyphHeightPixels * hintScale));

    explicit ProcessCountdown(int levelNumber);
    ~ProcessCountdown() override;

    void start() override;
    // Takes down the caption and the signs, then stops as every overlay does.
    void stop() override;
    void handleEvent(Event& event) override;

    // The lines of the caption as the card shows them, title lines first; each kept within its columns.
    static std::vector<std::string> titleLines(const LevelCaption& caption);
    static std::vector<std::string> hintLines(const LevelCaption& caption);

private:
    std::string text() const;
    void showCaption();
    void showGeneratorSigns();

    int level;
    // SDL's tick count at the start or at the last step.
    std::uint32_t lastTime = 0;
    int secondsLeft = firstSecond;
    TextCard caption;
    Handle<GeneratorSigns> signs;
};
