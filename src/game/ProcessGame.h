#pragma once

#include "engine/Handle.h"
#include "engine/Process.h"

class Label;
class Meter;
class ProcessCongratulations;
class ProcessCountdown;
class ProcessLevelUp;
class ProcessPlay;

// The screen on which the levels are played, from NEW GAME or CONTINUE until Escape or the end of the
// game. It shows the heads-up display (hearts left, the meter, RESTART LEVEL), loads each level into
// the World and runs its phases as children: countdown, play, then level complete (or congratulations
// after the last level). It writes the save file when the player wins a level that has a next one, and
// when the player advances to it.
class ProcessGame : public Process
{
public:
    explicit ProcessGame(int firstLevel);
    ~ProcessGame() override;

    void start() override;
    void handleEvent(Event& event) override;

private:
    void buildDisplay();
    void childStopped(const Handle<Object>& child);
    void goalReached();
    void saveWonLevel();
    void advanceLevel();
    void restartLevel();
    // Loads the current level into the World and starts its countdown.
    void startLevel();
    void refreshDisplay();

    int level;
    Handle<ProcessCountdown> countdown;
    Handle<ProcessPlay> play;
    Handle<Meter> meter;
    Handle<ProcessLevelUp> levelUp;
    Handle<ProcessCongratulations> congratulations;
    Handle<Label> lightLabel;
    Handle<Label> darkLabel;
    // The play phase runs; RESTART LEVEL acts only then.
    bool playing = false;
};
