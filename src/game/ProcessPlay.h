#pragma once

#include "engine/Process.h"
#include "game/Pausable.h"
#include "game/TextCard.h"

// The play phase of one level. While it runs, and only then, the World receives Tick and simulates;
// released mouse buttons place hearts (left light, right dark) at the pointer, except over the bottom
// bar; and once the world has captured the level's goal it posts LevelGoalReached and ends itself. Its
// stop() takes the World off Tick again, so the field stays frozen until the next play phase. From the
// step at which too few particles are left to reach the goal it says so, and the message stays until the
// phase ends (restart or leaving). Paused, the World stands still and the mouse places nothing.
class ProcessPlay : public Process, public Pausable
{
public:
    // Shown where the countdown line stood once the level can no longer be completed.
    static constexpr char outOfParticlesText[] = "OUT OF PARTICLES: RESTART LEVEL";

    void start() override;
    void stop() override;
    void handleEvent(Event& event) override;
    void pause() override;
    void resume() override;

private:
    void placeHeart(const Event& mouseUp);
    void checkGoal();
    void checkFlowOver();

    TextCard outOfParticles;
};
