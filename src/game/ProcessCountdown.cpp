#include "game/ProcessCountdown.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventType.h"
#include "engine/StringConversion.h"
#include "game/LevelFileName.h"
#include "graphics/Interface.h"
#include "platform/Clock.h"
#include "widgets/GeneratorSigns.h"
#include "world/LevelCaption.h"
#include "world/World.h"

namespace
{
std::vector<std::string> shownLines(const std::string& text, std::size_t columns, std::size_t lineCount)
{
    std::vector<std::string> lines = LevelCaption::wrap(LevelCaption::drawable(text), columns);
    if (lines.size() > lineCount)
        lines.resize(lineCount);
    return lines;
}
} // namespace

ProcessCountdown::ProcessCountdown(int levelNumber) : level(levelNumber) {}

ProcessCountdown::~ProcessCountdown() = default;

void ProcessCountdown::start()
{
    Process::start();
    listenForTicks();
    lastTime = platform::sdlTicks();
    secondsLeft = firstSecond;
    // Drawn in this order: a generator under the caption's panel keeps its sign, and the count stays
    // readable over a field crowded with signs.
    showCaption();
    showGeneratorSigns();
    showLabel(text(), ScreenLayout::countdownLineTopLeft.x, ScreenLayout::countdownLineTopLeft.y);
}

void ProcessCountdown::stop()
{
    caption.hide();
    Core::instance()->getInterface()->removeWidget(signs);
    ProcessOverlay::stop();
}

void ProcessCountdown::handleEvent(Event& event)
{
    if (event.type != Tick)
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

std::vector<std::string> ProcessCountdown::titleLines(const LevelCaption& caption)
{
    return shownLines(caption.getTitle(), titleColumns, titleLinesShown);
}

std::vector<std::string> ProcessCountdown::hintLines(const LevelCaption& caption)
{
    return shownLines(caption.getHint(), hintColumns, hintLinesShown);
}

std::string ProcessCountdown::text() const
{
    return "LEVEL " + intToString(level) + " STARTING IN " + intToString(secondsLeft);
}

// Read from the file the game screen has just loaded into the World.
void ProcessCountdown::showCaption()
{
    const LevelCaption levelCaption = LevelCaption::readFrom(levelFileName(level));
    for (const std::string& line : titleLines(levelCaption))
        caption.addLine(line, titleScale, ScreenLayout::captionTitleColour);
    for (const std::string& line : hintLines(levelCaption))
        caption.addLine(line, hintScale, ScreenLayout::captionHintColour);
    caption.show(captionTop);
}

void ProcessCountdown::showGeneratorSigns()
{
    signs = new GeneratorSigns(Core::instance()->getWorld()->getGenerators());
    Core::instance()->getInterface()->addWidget(signs);
}
