#include "game/ProcessGame.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventType.h"
#include "engine/GameFiles.h"
#include "engine/StringConversion.h"
#include "game/ButtonId.h"
#include "game/LevelFileName.h"
#include "game/ProcessCongratulations.h"
#include "game/ProcessCountdown.h"
#include "game/ProcessLevelUp.h"
#include "game/ProcessPlay.h"
#include "game/SaveFile.h"
#include "game/ScreenLayout.h"
#include "graphics/Interface.h"
#include "platform/RegularFile.h"
#include "widgets/Image.h"
#include "widgets/Label.h"
#include "widgets/Meter.h"
#include "widgets/TextButton.h"
#include "world/LevelCaption.h"
#include "world/LevelReport.h"
#include "world/LevelRules.h"
#include "world/World.h"

#include <SDL.h>

#include <fstream>
#include <limits>

namespace
{
const int listenedTypes[] = {ProcessStopped, ButtonClicked, Tick, LevelGoalReached, KeyUp};

// Only a regular file is a level: opening a FIFO would wait for a writer for ever.
bool levelExists(int level)
{
    const std::string fileName = levelFileName(level);
    return platform::isRegularFile(fileName) && std::ifstream(fileName).is_open();
}
} // namespace

ProcessGame::ProcessGame(int firstLevel) : level(firstLevel) {}

ProcessGame::~ProcessGame() = default;

void ProcessGame::start()
{
    Process::start();
    Core::instance()->getInterface()->clear();
    buildDisplay();
    for (int type : listenedTypes)
        listen(type);
    startLevel();
    playing = false;
}

void ProcessGame::handleEvent(Event& event)
{
    switch (event.type)
    {
    case ProcessStopped:
        childStopped(event.getObject());
        break;
    case ButtonClicked:
        if (stringToInt(event.getParameter(0)) == RestartLevel && playing)
            restartLevel();
        break;
    case LevelGoalReached:
        goalReached();
        break;
    case Tick:
        refreshDisplay();
        break;
    case KeyUp:
        if (stringToInt(event.getParameter(0)) == SDLK_ESCAPE)
            finished = true;
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
    interface->addWidget(new Image(GameFiles::lightHeartPicture, Layout::heartIconOpacity,
                                   Layout::lightHeartIconCentre, Layout::heartIconSize));
    const std::string fullSupply = intToString(LevelRules::heartsPerKind);
    lightLabel = new Label(fullSupply, Layout::countScale, Layout::countScale, Layout::lightCountTopLeft,
                           Layout::countColour);
    darkLabel = new Label(fullSupply, Layout::countScale, Layout::countScale, Layout::darkCountTopLeft,
                          Layout::countColour);
    interface->addWidget(lightLabel);
    interface->addWidget(darkLabel);
    interface->addWidget(new Image(GameFiles::darkHeartPicture, Layout::heartIconOpacity,
                                   Layout::darkHeartIconCentre, Layout::heartIconSize));
    meter = new Meter(GameFiles::meterEmptyPicture, GameFiles::meterFullPicture, 0, Layout::meterTopLeft);
    interface->addWidget(meter);
    interface->addWidget(new TextButton(RestartLevel, "RESTART LEVEL", Layout::restartButtonTopLeft,
                                        Layout::restartButtonScale, Layout::restartButtonScale));
}

void ProcessGame::childStopped(const Handle<Object>& child)
{
    if (child == countdown)
    {
        playing = true;
        play = new ProcessPlay();
        addChild(play);
    }
    if (child == levelUp)
        advanceLevel();
    if (child == congratulations)
        finished = true;
}

void ProcessGame::goalReached()
{
    // The goal is delivered in the frame it was reached: a restart or Escape handled earlier in that
    // frame has already abandoned the play phase, and its goal no longer counts.
    if (finished || !playing)
        return;
    playing = false;
    saveWonLevel();
    levelUp = new ProcessLevelUp();
    addChild(levelUp);
}

void ProcessGame::saveWonLevel()
{
    // Saved at once, so leaving during "LEVEL COMPLETE!!" keeps the win; advancing writes it again as
    // before. Only ever forward: a new game's early win does not undo progress saved further on.
    if (level == std::numeric_limits<int>::max() || !levelExists(level + 1))
        return;
    if (SaveFile::readLevel() < level + 1)
        SaveFile::writeLevel(level + 1);
}

void ProcessGame::advanceLevel()
{
    // No level follows the largest number there is: the game is won there, as at a missing file.
    const bool numberLeft = level < std::numeric_limits<int>::max();
    if (numberLeft)
        ++level;
    playing = false;
    if (!numberLeft || !levelExists(level))
    {
        congratulations = new ProcessCongratulations();
        addChild(congratulations);
        return;
    }
    SaveFile::writeLevel(level);
    startLevel();
}

void ProcessGame::restartLevel()
{
    playing = false;
    removeChild(play);
    removeChild(countdown);
    removeChild(levelUp);
    removeChild(congratulations);
    startLevel();
}

void ProcessGame::startLevel()
{
    // The countdown shows the caption from the remarks this load has just read.
    LevelReport read;
    Core::instance()->getWorld()->load(levelFileName(level), &read);
    countdown = new ProcessCountdown(level, LevelCaption::findIn(read.remarks));
    addChild(countdown);
}

void ProcessGame::refreshDisplay()
{
    Handle<World> world = Core::instance()->getWorld();
    darkLabel->setText(intToString(world->getDarkHearts()));
    lightLabel->setText(intToString(world->getLightHearts()));
    meter->value = static_cast<float>(world->getCapturedCount() / static_cast<double>(LevelRules::goal));
}
