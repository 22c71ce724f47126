#include "game/ProcessGame.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventType.h"
#include "engine/StringConversion.h"
#include "game/ButtonId.h"
#include "game/GameFiles.h"
#include "game/GameLevels.h"
#include "game/Pausable.h"
#include "game/ProcessCongratulations.h"
#include "game/ProcessCountdown.h"
#include "game/ProcessLevelUp.h"
#include "game/ProcessPlay.h"
#include "game/Records.h"
#include "game/SaveFile.h"
#include "game/ScreenLayout.h"
#include "graphics/Interface.h"
#include "graphics/PlayField.h"
#include "widgets/Image.h"
#include "widgets/Label.h"
#include "widgets/Meter.h"
#include "widgets/TextButton.h"
#include "world/HeartKinds.h"
#include "world/LevelCaption.h"
#include "world/LevelReport.h"
#include "world/LevelRules.h"
#include "world/World.h"

#include <SDL.h>

#include <limits>

namespace
{
const int listenedTypes[] = {ProcessStopped, ButtonClicked, Tick,    LevelGoalReached,
                             KeyUp,          KeyDown,       MouseUp, FocusLost};

bool isPauseKey(int key)
{
    return key == SDLK_p || key == SDLK_SPACE || key == SDLK_PAUSE;
}

// The bar's icon of a kind of heart.
Handle<Widget> heartIcon(std::size_t kind)
{
    return new Image(HeartKinds::all[kind].picture, ScreenLayout::heartIconOpacity,
                     ScreenLayout::heartIconCentre(kind), ScreenLayout::heartIconSize);
}

} // namespace

ProcessGame::ProcessGame(int firstLevel, Start startedFrom) : level(firstLevel), begun(startedFrom) {}

ProcessGame::~ProcessGame() = default;

void ProcessGame::start()
{
    Process::start();
    Core::instance()->getInterface()->clear();
    buildDisplay();
    pauseCard.addLine(pausedText, ScreenLayout::pauseTitleScale, ScreenLayout::pauseTitleColour);
    pauseCard.addLine(resumeHintText, ScreenLayout::pauseHintScale, ScreenLayout::pauseHintColour);
    for (int type : listenedTypes)
        listen(type);
    startLevel();
}

void ProcessGame::stop()
{
    pauseCard.hide();
    Process::stop();
}

void ProcessGame::handleEvent(Event& event)
{
    switch (event.type)
    {
    case ProcessStopped:
        phaseEnded(event.getObject());
        break;
    case ButtonClicked:
        if (stringToInt(event.getParameter(0)) == RestartLevel && phase == Phase::Play)
            startLevel();
        break;
    case LevelGoalReached:
        goalReached();
        break;
    case Tick:
        if (resumeAtTick)
            resume();
        refreshDisplay();
        break;
    case KeyUp:
        if (stringToInt(event.getParameter(0)) == SDLK_ESCAPE)
            finished = true;
        break;
    case KeyDown:
        keyPressed(stringToInt(event.getParameter(0)));
        break;
    case MouseUp:
        clickWhilePaused(event);
        break;
    case FocusLost:
        pause();
        break;
    default:
        break;
    }
}

void ProcessGame::buildDisplay()
{
    Handle<Interface> interface = Core::instance()->getInterface();
    using Layout = ScreenLayout;
    interface->addWidget(
        new Image(GameFiles::bottomBarPicture, Layout::bottomBarOpacity, Layout::bottomBarCentre));
    // In the order the game has always added them: the first kind's icon, every count, then the other
    // kinds' icons.
    interface->addWidget(heartIcon(0));
    for (std::size_t kind = 0; kind < HeartKinds::count; ++kind)
    {
        heartCounts.push_back(new Label(intToString(HeartKinds::all[kind].supply), Layout::countScale,
                                        Layout::countScale, Layout::heartCountTopLeft(kind),
                                        Layout::countColour));
        interface->addWidget(heartCounts.back());
    }
    for (std::size_t kind = 1; kind < HeartKinds::count; ++kind)
        interface->addWidget(heartIcon(kind));
    meter = new Meter(GameFiles::meterEmptyPicture, GameFiles::meterFullPicture, 0, Layout::meterTopLeft);
    interface->addWidget(meter);
    interface->addWidget(new TextButton(RestartLevel, "RESTART LEVEL", Layout::restartButtonTopLeft,
                                        Layout::restartButtonScale, Layout::restartButtonScale));
}

void ProcessGame::refreshDisplay()
{
    Handle<World> world = Core::instance()->getWorld();
    for (std::size_t kind = 0; kind < heartCounts.size(); ++kind)
        heartCounts[kind]->setText(intToString(world->getHeartsLeft(kind)));
    meter->value = static_cast<float>(world->getCapturedCount() / static_cast<double>(LevelRules::goal));
}

void ProcessGame::enterPhase(Phase next, Handle<Process> process)
{
    // A new phase begins unpaused; the one it replaces resumes its part of the game as it stops.
    paused = false;
    resumeAtTick = false;
    pauseCard.hide();
    // A phase that ended by itself has left the tree already, and is not removed twice.
    removeChild(phaseProcess);
    phase = next;
    phaseProcess = process;
    addChild(process);
}

void ProcessGame::phaseEnded(const Handle<Object>& child)
{
    // Notices of phases taken out by a restart come after the next phase has begun.
    if (child != phaseProcess)
        return;
    switch (phase)
    {
    case Phase::Countdown:
        enterPhase(Phase::Play, new ProcessPlay());
        break;
    case Phase::LevelComplete:
        advanceLevel();
        break;
    case Phase::Congratulations:
        finished = true;
        break;
    case Phase::Play:
        break;
    }
}

void ProcessGame::goalReached()
{
    // The goal is delivered in the frame it was reached: a restart or Escape handled earlier in that
    // frame has already abandoned the play phase, and its goal no longer counts.
    if (finished || phase != Phase::Play)
        return;
    // No level follows the largest number there is: the game is won there, as at a missing file.
    if (level < std::numeric_limits<int>::max() && GameLevels::exists(level + 1))
        saveProgress(level + 1, SaveRule::OnlyForward);
    Records::load().recordWin(Records::keyOf(level), heartsPlaced());
    enterPhase(Phase::LevelComplete, new ProcessLevelUp());
}

void ProcessGame::advanceLevel()
{
    if (level == std::numeric_limits<int>::max() || !GameLevels::exists(level + 1))
    {
        enterPhase(Phase::Congratulations, new ProcessCongratulations());
        return;
    }
    ++level;
    saveProgress(level, begun == Start::FromMenu ? SaveRule::Always : SaveRule::OnlyForward);
    startLevel();
}

void ProcessGame::startLevel()
{
    // The countdown shows the caption from the remarks this load has just read.
    LevelReport read;
    Core::instance()->getWorld()->load(GameLevels::fileName(level), &read);
    enterPhase(Phase::Countdown, new ProcessCountdown(level, LevelCaption::findIn(read.remarks)));
}

int ProcessGame::heartsPlaced() const
{
    Handle<World> world = Core::instance()->getWorld();
    int placed = 0;
    for (std::size_t kind = 0; kind < HeartKinds::count; ++kind)
        placed += HeartKinds::all[kind].supply - world->getHeartsLeft(kind);
    return placed;
}

void ProcessGame::keyPressed(int key)
{
    if (!isPauseKey(key))
        return;
    if (paused)
        resume();
    else
        pause();
}

void ProcessGame::pause()
{
    auto* pausable = dynamic_cast<Pausable*>(phaseProcess.get());
    if (paused || finished || !pausable)
        return;
    pausable->pause();
    paused = true;
    pauseCard.show(ScreenLayout::pauseCardTop);
}

void ProcessGame::resume()
{
    resumeAtTick = false;
    if (!paused)
        return;
    dynamic_cast<Pausable&>(*phaseProcess).resume();
    paused = false;
    pauseCard.hide();
}

void ProcessGame::clickWhilePaused(const Event& mouseUp)
{
    const float x = static_cast<float>(stringToInt(mouseUp.getParameter(0)));
    const float y = static_cast<float>(PlayField::yFromWindow(stringToInt(mouseUp.getParameter(1))));
    if (paused && pauseCard.contains(x, y))
        resumeAtTick = true;
}

// Saved at once when a level is won, so that leaving during "LEVEL COMPLETE!!" keeps the win, but never
// back past progress saved further on by an earlier game; saved again, as it stands, when the next level
// begins.
void ProcessGame::saveProgress(int reachedLevel, SaveRule rule)
{
    if (rule == SaveRule::OnlyForward && SaveFile::readLevel() >= reachedLevel)
        return;
    SaveFile::writeLevel(reachedLevel);
}
