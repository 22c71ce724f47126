#include "game/ProcessMain.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventType.h"
#include "engine/StringConversion.h"
#include "game/ButtonId.h"
#include "game/GameFiles.h"
#include "game/ProcessGame.h"
#include "game/ProcessInstructions.h"
#include "game/ProcessIntro.h"
#include "game/ProcessLevels.h"
#include "game/ProcessMenu.h"
#include "game/ProcessMyLevels.h"
#include "game/ProcessOptions.h"
#include "game/SaveFile.h"
#include "sound/SoundHandler.h"
#include "widgets/TextField.h"

#include <SDL.h>

GameSetup ProcessMain::setup()
{
    const Settings settings = Settings::load();
    GameSetup game;
    game.windowIcon = GameFiles::windowIcon;
    game.fontPicture = GameFiles::fontPicture;
    game.backgroundLevel = GameFiles::backgroundLevel;
    game.music = GameFiles::music;
    game.clickSound = GameFiles::clickSound;
    game.makeRoot = [settings] { return Handle<Process>(new ProcessMain(settings)); };
    if (!settings.askAtStart)
        game.fullscreenAnswer = settings.fullscreen;
    return game;
}

ProcessMain::ProcessMain(const Settings& startSettings)
    : musicVolume(startSettings.musicVolume), effectsVolume(startSettings.effectsVolume)
{
}

ProcessMain::~ProcessMain() = default;

void ProcessMain::start()
{
    listen(ProcessStopped);
    listen(ButtonClicked);
    listen(KeyDown);
    Handle<SoundHandler> sound = Core::instance()->getSoundHandler();
    sound->setMusicVolume(musicVolume);
    sound->setEffectsVolume(effectsVolume);
    intro = new ProcessIntro();
    addChild(intro);
}

void ProcessMain::stop()
{
    stopListening();
}

void ProcessMain::handleEvent(Event& event)
{
    if (event.type == ProcessStopped)
        screenStopped(event.getObject());
    else if (event.type == ButtonClicked)
        buttonClicked(stringToInt(event.getParameter(0)));
    else if (event.type == KeyDown && stringToInt(event.getParameter(0)) == SDLK_m &&
             !TextField::isAnyFocused())
    {
        Handle<SoundHandler> sound = Core::instance()->getSoundHandler();
        sound->setMuted(!sound->isMuted());
    }
}

void ProcessMain::screenStopped(const Handle<Object>& screen)
{
    if (intro && screen == intro)
        showMenu();
    if (game && screen == game)
        showMenu();
}

void ProcessMain::buttonClicked(int id)
{
    if (id == NewGame)
        startGame(SaveFile::firstLevel);
    else if (id == Continue)
        startGame(SaveFile::readLevel());
    else if (id == Quit)
        finished = true;
    else if (id == Instructions)
    {
        instructions = new ProcessInstructions();
        addChild(instructions);
    }
    else if (id == Back)
        showMenu();
    else if (id == Levels || id == LeaveMyLevels)
        addChild(new ProcessLevels());
    else if (id == MyLevels)
        addChild(new ProcessMyLevels());
    else if (id == Options)
        addChild(new ProcessOptions());
    else if (id > firstLevelTile)
    {
        game = new ProcessGame(id - firstLevelTile, ProcessGame::Start::FromLevelScreen);
        addChild(game);
    }
}

void ProcessMain::showMenu()
{
    menu = new ProcessMenu();
    addChild(menu);
}

void ProcessMain::startGame(int level)
{
    game = new ProcessGame(level);
    addChild(game);
}
