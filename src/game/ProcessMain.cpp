#include "game/ProcessMain.h"

#include "engine/Event.h"
#include "engine/EventType.h"
#include "engine/StringConversion.h"
#include "game/ButtonId.h"
#include "game/GameFiles.h"
#include "game/ProcessGame.h"
#include "game/ProcessInstructions.h"
#include "game/ProcessIntro.h"
#include "game/ProcessMenu.h"
#include "game/SaveFile.h"

GameSetup ProcessMain::setup()
{
    GameSetup game;
    game.windowIcon = GameFiles::windowIcon;
    game.fontPicture = GameFiles::fontPicture;
    game.backgroundLevel = GameFiles::backgroundLevel;
    game.music = GameFiles::music;
    game.clickSound = GameFiles::clickSound;
    game.makeRoot = [] { return Handle<Process>(new ProcessMain()); };
    return game;
}

ProcessMain::ProcessMain() = default;

ProcessMain::~ProcessMain() = default;

void ProcessMain::start()
{
    listen(ProcessStopped);
    listen(ButtonClicked);
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
