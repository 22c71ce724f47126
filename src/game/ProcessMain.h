#pragma once

#include "engine/GameSetup.h"
#include "engine/Handle.h"
#include "engine/Process.h"
#include "game/Settings.h"

class ProcessGame;
class ProcessInstructions;
class ProcessIntro;
class ProcessMenu;

// The root of the game flow, the one child of the ProcessManager for the whole run. It creates the
// top-level screens (intro, menu, instructions, levels, the player's own levels, options, game) in answer to
// their ProcessStopped notices and to button clicks, reads the save file on CONTINUE and ends the program on
// QUIT. The screens are its children; the fields keep the latest of each kind so their notices can be
// recognised. It sets the volumes the player chose and mutes or unmutes every sound on M, on every screen,
// unless M is being typed into a text field.
class ProcessMain : public Process
{
public:
    // What the engine runs for this game: its start-up files, the player's standing answer to the
    // full-screen question if they chose not to be asked, and a new ProcessMain as the root.
    static GameSetup setup();

    explicit ProcessMain(const Settings& startSettings = Settings());
    ~ProcessMain() override;

    // Registers for ProcessStopped and ButtonClicked and starts the intro. Posts no notice of its own.
    void start() override;
    // Unregisters; posts no notice and leaves `finished` as QUIT set it.
    void stop() override;
    void handleEvent(Event& event) override;

private:
    void screenStopped(const Handle<Object>& screen);
    void buttonClicked(int id);
    void showMenu();
    void startGame(int level);

    Handle<ProcessIntro> intro;
    Handle<ProcessMenu> menu;
    Handle<ProcessInstructions> instructions;
    Handle<ProcessGame> game;
    int musicVolume;
    int effectsVolume;
};
