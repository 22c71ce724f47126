#pragma once

#include "engine/FramePacer.h"
#include "engine/Handle.h"

#include <cstdint>
#include <string>

class World;
struct HeartPlacement;
struct LevelReport;

// One run of a level in a World of its own, on a virtual clock that moves a fixed number of milliseconds
// per step, from a fresh emission timer (the first step emits nothing). While it lives it drives the
// program's tick count, so only one may exist at a time. No window and no sound are needed: the world is
// given no click, so hearts go down in silence and no audio device is ever opened.
class Simulation
{
public:
    // Milliseconds per step: the game's frame.
    static constexpr std::uint32_t defaultTickMs = FramePacer::frameMilliseconds;

    // Loads the level with World::load; the report, owned by the caller, is filled when given.
    explicit Simulation(const std::string& levelFile, std::uint32_t tickMs = defaultTickMs,
                        LevelReport* report = nullptr);
    ~Simulation();
    Simulation(const Simulation&) = delete;
    Simulation& operator=(const Simulation&) = delete;

    // Places the heart as the play process does on a mouse release.
    void placeHeart(const HeartPlacement& heart);
    // Moves the clock on, then takes one world step.
    void step();

    int getSteps() const;
    const World& getWorld() const;

private:
    Handle<World> world;
    std::uint32_t tickMs;
    std::uint32_t now = 0;
    int steps = 0;
};
