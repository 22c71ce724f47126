#pragma once

#include "engine/EventListener.h"
#include "graphics/PixelCopy.h"
#include "graphics/PlayField.h"
#include "world/BodyLanes.h"
#include "world/Generator.h"
#include "world/GravBody.h"
#include "world/Particle.h"

#include <cstdint>
#include <functional>
#include <list>
#include <string>
#include <vector>

class PictureLook;
struct LevelReport;

// The one playing field: the level's generators and bodies, the flow of particles, the hearts the player
// placed and the background stars. Core owns it for the whole run and loads it; the main loop draws it
// every frame, and it takes a simulation step on every Tick while the play process keeps it registered.
class World : public EventListener
{
public:
    // An emission pass comes at the first step more than this many milliseconds after the last one.
    static constexpr std::uint32_t emissionIntervalMs = 50;
    // The field's backdrop, drawn first in every frame, and one particle of the flow, a small heart.
    static constexpr char backgroundPicture[] = "./graphics/bg.png";
    static constexpr char particlePicture[] = "./graphics/heart.png";

    // The visible field in units, and the limits, 100 units beyond its edges, past which a particle is lost.
    static constexpr int fieldWidth = PlayField::width;
    static constexpr int fieldHeight = PlayField::height;
    static constexpr float fieldLeftLimit = -100;
    static constexpr float fieldRightLimit = 900;
    static constexpr float fieldBottomLimit = -100;
    static constexpr float fieldTopLimit = 700;
    // A body turned past this many degrees starts again at 0, not at the excess: deliberate, a turning
    // body jumps back by its last step's overshoot, and recorded angles (the tool's --dump) rely on it.
    static constexpr float fullTurnDegrees = 360;

    static constexpr int starCount = 100;
    // Stars have point sizes 0, 1 or 2.
    static constexpr int starSizeCount = 3;
    static constexpr float starGrey = 0.6f;
    // A star is dark in one frame out of this many.
    static constexpr int starBlinkOdds = 300;
    // Particles are drawn as hearts of 10 by 10 units, translucent.
    static constexpr float particleHalfSize = 5;
    static constexpr float particleAlpha = 0.7f;

    // Takes a simulation step on Tick, unless paused; ignores every other event.
    void handleEvent(Event& event) override;
    // While paused the field takes no step, and the time until the next emission pass stands still, so
    // that a pause of any length changes nothing of what follows it.
    void pause();
    void resume();
    bool isPaused() const;
    // One step: emission, movement and pulls, absorption, turning of the bodies.
    void step();

    // Replaces the whole field with the level in the file (a path relative to the working folder): resets
    // the hearts and the captured count, reads the records and scatters new stars. A missing or bad file
    // leaves a field with what could be read; anything but a regular file counts as missing. The report,
    // owned by the caller, is filled when given.
    void load(const std::string& fileName, LevelReport* report = nullptr);
    // Replaces the level's generators and bodies as load() does, keeping the stars: the editor shows each
    // change on the same sky.
    void setLevel(std::vector<Generator> levelGenerators, std::vector<GravBody> levelBodies);

    // Draws background, stars, particles and bodies in that order. Needs the OpenGL context; uses one
    // rand() per star: blinkStars() and then drawBlinked().
    void draw();
    // Decides which stars are dark in this frame, with one rand() per star in array order. The main loop
    // calls it on every frame, drawn or not, since the numbers are part of the game's randomness.
    void blinkStars();
    // Draws the field with the stars as blinkStars() last decided.
    void drawBlinked();
    // Writes down what the field's picture depends on, stars as blinkStars() last decided. Needs the OpenGL
    // context.
    void appendLook(PictureLook& look) const;
    // The layers of drawBlinked(), in its order; public so the benchmarks can weigh each layer alone.
    void drawBackground();
    void drawStars();
    void drawParticles();
    void drawBodies();

    // Adds a body at (x, y) for the player. The picture of a heart kind takes one heart from that kind's
    // supply and plays the click; with that supply used up nothing happens at all. Any other picture just
    // adds.
    void placeHeart(int x, int y, float radius, float strength, const std::string& image);
    // What placing a heart from a supply sounds like. The world knows nothing of the sound system: Core
    // hands its world the click; a world given nothing (the level tool's) places hearts in silence.
    void setClickPlayer(std::function<void()> player);

    // True once every generator is spent and no particle is left in the field: no later step can change
    // the captured count.
    bool isFlowOver() const;

    int getCapturedCount() const;
    // Hearts of that kind (an index of HeartKinds) the player may still place.
    int getHeartsLeft(std::size_t kind) const;
    const std::list<Particle>& getParticles() const;
    const std::vector<Generator>& getGenerators() const;
    // The level's bodies in file order, followed by the placed hearts in placing order.
    const std::vector<GravBody>& getBodies() const;
    const std::vector<Particle>& getStars() const;

    // Forgets the emission timer of the whole program, so that the next step starts it afresh and emits
    // nothing. For tools and tests that run several simulations in one process; the game never calls it.
    static void resetEmissionTimer();

private:
    void emitParticles();
    void moveParticles();
    void collectParticles();
    void spinBodies();

    static bool isInsideFieldLimits(const Vector3& position);
    void scatterStars();
    void playClick() const;

    std::vector<GravBody> bodies;
    std::vector<Generator> generators;
    std::list<Particle> particles;
    std::vector<Particle> stars;
    // Per star, whether blinkStars() made it dark in this frame.
    std::vector<char> darkStars;
    // The background as drawn the first time, put back in later frames instead of filtering its picture
    // again.
    PixelCopy background;
    int capturedCount = 0;
    // Per kind of heart, in the order of HeartKinds.
    std::vector<int> heartsLeft;
    std::function<void()> clickPlayer;
    bool paused = false;
    // The tick count when the pause began.
    std::uint32_t pausedAt = 0;
    // Scratch of the step: the bodies laid out for the pulls, and for each particle in list order the first
    // body that reaches it after its move (-1 for none), which the absorption test then uses.
    BodyLanes bodyLanes;
    std::vector<int> reachingBody;

    // One emission clock for the whole program, not per load, deliberately: a new level's first pass may
    // come at its first step, as the game has always played. The level tool resets it before every run so
    // that replays of a solution do not depend on what ran before.
    static std::uint32_t lastEmission;
    static bool emissionTimerStarted;
};
