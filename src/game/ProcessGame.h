#pragma once

#include "engine/Handle.h"
#include "engine/Process.h"

#include <vector>

class Label;
class Meter;

// The screen on which the levels are played, from NEW GAME or CONTINUE until Escape or the end of the
// game. It shows the heads-up display (hearts left, the meter, RESTART LEVEL), loads each level into the
// World and runs it through its phases, one child process each: the countdown, play, then level complete,
// or the congratulations after the last level. It saves the player's progress when a level is won and when
// the next one begins.
class ProcessGame : public Process
{
public:
    explicit ProcessGame(int firstLevel);
    ~ProcessGame() override;

    void start() override;
    void handleEvent(Event& event) override;

private:
    enum class Phase
    {
        Countdown,
        Play,
        LevelComplete,
        Congratulations
    };
    // When a save may be written: a win only ever moves the save forward, a level begun writes it as it is.
    enum class SaveRule
    {
        OnlyForward,
        Always
    };

    void buildDisplay();
    void refreshDisplay();
    // Replaces the running phase's process with the new phase's.
    void enterPhase(Phase next, Handle<Process> process);
    void phaseEnded(const Handle<Object>& child);
    void goalReached();
    void advanceLevel();
    // Loads the current level into the World and starts its countdown: at its start, and again on RESTART.
    void startLevel();
    void saveProgress(int reachedLevel, SaveRule rule);

    int level;
    Phase phase = Phase::Countdown;
    // The child that runs the phase; its ProcessStopped ends the phase.
    Handle<Process> phaseProcess;
    // How many hearts of each kind are left, in the order of HeartKinds.
    std::vector<Handle<Label>> heartCounts;
    Handle<Meter> meter;
};
