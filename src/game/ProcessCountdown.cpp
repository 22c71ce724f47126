#include "game/ProcessCountdown.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventType.h"
#include "engine/StringConversion.h"
#include "game/CaptionLayout.h"
#include "game/GeneratorSigns.h"
#include "game/ScreenLayout.h"
#include "graphics/Interface.h"
#include "platform/Clock.h"
#include "world/World.h"

#include <utility>

// At the top of the field, below the caption's last line stand the card's padding, the clearance and then
// the countdown line in its own row.
static_assert(CaptionLayout::shownBottom ==
                  ScreenLayout::countdownLineTopLeft.y + CaptionLayout::lineClearance + TextCard::padding,
              "the caption ends where the countdown line leaves it room");

ProcessCountdown::ProcessCountdown(std::string levelHeading, LevelCaption shownCaption)
    : heading(std::move(levelHeading)), levelCaption(std::move(shownCaption))
{
}

ProcessCountdown::~ProcessCountdown() = default;

void ProcessCountdown::start()
{
    Process::start();
    listenForTicks();
    lastTime = platform::sdlTicks();
    secondsLeft = firstSecond;
    const CaptionLayout::Placement placement =
        CaptionLayout::place(levelCaption, heading, *Core::instance()->getWorld());
    // Drawn in this order: a generator under the caption's panel keeps its sign, and the count stays
    // readable over a field crowded with signs.
    showCaption(placement);
    showGeneratorSigns();
    showLabel(text(), placement.countdownTopLeft.x, placement.countdownTopLeft.y);
}

void ProcessCountdown::stop()
{
    caption.hide();
    Core::instance()->getInterface()->removeWidget(signs);
    ProcessOverlay::stop();
}

void ProcessCountdown::handleEvent(Event& event)
{
    if (event.type != Tick || paused)
        return;
    if (platform::sdlTicks() - lastTime >= stepMilliseconds)
    {
        --secondsLeft;
        lastTime = platform::sdlTicks();
    }
    if (secondsLeft < 0)
    {
        finished = true;
        return;
    }
    setLabelText(text());
}

void ProcessCountdown::pause()
{
    if (paused)
        return;
    paused = true;
    pausedAt = platform::sdlTicks();
}

void ProcessCountdown::resume()
{
    if (!paused)
        return;
    paused = false;
    lastTime += platform::sdlTicks() - pausedAt;
}

std::string ProcessCountdown::text() const
{
    return CaptionLayout::countdownText(heading, secondsLeft);
}

void ProcessCountdown::addCaptionLines(TextCard& card, const LevelCaption& shown, float width)
{
    for (const std::string& line : CaptionLayout::titleLines(shown, width))
        card.addLine(line, CaptionLayout::titleScale, ScreenLayout::captionTitleColour);
    for (const std::string& line : CaptionLayout::hintLines(shown, width))
        card.addLine(line, CaptionLayout::hintScale, ScreenLayout::captionHintColour);
}

void ProcessCountdown::showCaption(const CaptionLayout::Placement& placement)
{
    addCaptionLines(caption, levelCaption, placement.captionWidth);
    caption.show(placement.captionTop, placement.captionCentre);
}

void ProcessCountdown::showGeneratorSigns()
{
    signs = new GeneratorSigns(Core::instance()->getWorld()->getGenerators());
    Core::instance()->getInterface()->addWidget(signs);
}
