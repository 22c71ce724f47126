#pragma once

#include "engine/Handle.h"
#include "engine/Process.h"
#include "game/TextCard.h"

#include <vector>

class Label;
class Meter;

// The screen on which the levels are played, from NEW GAME or CONTINUE until Escape or the end of the
// game. It shows the heads-up display (hearts left, the meter, RESTART LEVEL), loads each level into the
// World and runs it through its phases, one child process each: the countdown, play, then level complete,
// or the congratulations after the last level. It saves the player's progress when a level is won and when
// the next one begins, and keeps the fewest hearts each level was won with (Records). The countdown and play
// can be paused: by P, Space or the Pause key, and whenever the window loses the focus or is hidden; the same
// keys, or a click on the PAUSED card, resume.
class ProcessGame : public Process
{
public:
    // How the game was begun: from the menu (NEW GAME, CONTINUE), where each level begun is saved as it
    // stands, or from the level screen, where a level begun never moves the save back.
    enum class Start
    {
        FromMenu,
        FromLevelScreen
    };

    explicit ProcessGame(int firstLevel, Start startedFrom = Start::FromMenu);
    ~ProcessGame() override;

    static constexpr char pausedText[] = "PAUSED";
    static constexpr char resumeHintText[] = "PRESS P OR SPACE, OR CLICK HERE, TO RESUME";

    void start() override;
    // Takes the PAUSED card down, then stops as every process does.
    void stop() override;
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
    // The hearts of every kind placed in the level so far.
    int heartsPlaced() const;
    void keyPressed(int key);
    // Pauses the countdown or play, if either runs; nothing in the other phases.
    void pause();
    void resume();
    // A click on the card resumes at the next Tick, once the click has passed the play phase, which
    // places no heart while paused.
    void clickWhilePaused(const Event& mouseUp);
    int level;
    Start begun;
    Phase phase = Phase::Countdown;
    // The child that runs the phase; its ProcessStopped ends the phase.
    Handle<Process> phaseProcess;
    // How many hearts of each kind are left, in the order of HeartKinds.
    std::vector<Handle<Label>> heartCounts;
    Handle<Meter> meter;
    bool paused = false;
    bool resumeAtTick = false;
    TextCard pauseCard;
};
