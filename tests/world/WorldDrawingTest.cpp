#include "engine/Core.h"
#include "graphics/PictureLook.h"
#include "support/ManualClock.h"
#include "support/Scene.h"
#include "world/World.h"

#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace
{
using Colour = GlWindow::Colour;
using testpictures::Rgba;

const Colour backgroundBlue{0, 0, 200};
const Colour red{255, 0, 0};
const Colour green{0, 255, 0};
const Colour blue{0, 0, 255};

// The world drawn into a real window from pictures written for the test: a plain blue background, a white
// heart, and a body picture that shows which way it is turned (top band blue, left red, right green). The
// stars' places are fixed by the seed, clear of the points read.
class WorldDrawing : public Scene
{
protected:
    void SetUp() override
    {
        Scene::SetUp();
        std::srand(5);
        World::resetEmissionTimer();
        writePicture("graphics/bg.png", 8, 8, [](int, int) { return Rgba{0, 0, 200, 255}; });
        writePicture("graphics/heart.png", 16, 16, [](int, int) { return Rgba{255, 255, 255, 255}; });
        writePicture("graphics/turned.png", 64, 64,
                     [](int x, int yFromTop)
                     {
                         if (yFromTop < 16)
                             return Rgba{0, 0, 255, 255};
                         return x < 32 ? Rgba{255, 0, 0, 255} : Rgba{0, 255, 0, 255};
                     });
        world = Core::instance()->getWorld().get();
    }
    void load(const std::string& content) { world->load(folder.write("levels/level.txt", content)); }
    void draw()
    {
        window.clear();
        world->draw();
    }
    ScopedWorkingFolder inGameFolder{folder.path()};
    World* world = nullptr;
};
} // namespace

TEST_F(WorldDrawing, ParticlesAreTranslucentTenUnitHeartsAndABodyIsTurnedClockwiseByItsAngle)
{
    ManualClock clock;
    load("GRAVBODY 400 300 50 0 ./graphics/turned.png 90\n"
         "GENERATOR 200 150 0 0 1\nGENERATOR 601 433 0 0 1\n");
    world->step();
    clock.advance(51);
    world->step();
    world->step();
    ASSERT_EQ(world->getParticles().size(), 2u);
    ASSERT_EQ(world->getBodies()[0].angle, 270);
    draw();
    // White at 0.7 over the background's blue.
    const Colour blended{178, 178, 238};
    for (const auto& [x, y] : {std::pair{200, 150}, std::pair{601, 433}})
    {
        EXPECT_TRUE(near(window.pixel(x - 5, y - 5), blended, 3)) << x << "," << y << " lower-left corner";
        EXPECT_TRUE(near(window.pixel(x + 4, y + 4), blended, 3)) << x << "," << y << " upper-right corner";
        EXPECT_TRUE(near(window.pixel(x + 5, y), backgroundBlue, 2)) << "beyond the heart";
        EXPECT_TRUE(near(window.pixel(x, y - 6), backgroundBlue, 2)) << "below the heart";
    }
    // A quarter turn clockwise from upright: the top band is on the right, the left half at the top.
    EXPECT_TRUE(near(window.pixel(440, 300), blue));
    EXPECT_TRUE(near(window.pixel(400, 330), red));
    EXPECT_TRUE(near(window.pixel(400, 270), green));
}

// The background is filtered from its picture once; later frames put that picture back, pixel for pixel.
TEST_F(WorldDrawing, TheBackgroundOfLaterFramesIsTheFirstOnesExactly)
{
    writePicture("graphics/bg.png", 8, 8,
                 [](int x, int y) {
                     return Rgba{std::uint8_t(x * 32), std::uint8_t(y * 32), 200, 255};
                 });
    std::vector<std::uint8_t> frames[2];
    for (std::vector<std::uint8_t>& frame : frames)
    {
        window.clear();
        world->drawBackground();
        frame = window.frame();
    }
    EXPECT_TRUE(frames[0] == frames[1]);
}

// Frames that differ differ in their looks, or the main loop would leave the older one on screen: stars
// blink, the body turns, and the stars of size 0 take another point size in force.
TEST_F(WorldDrawing, WhatTheFieldIsDrawnWithIsInItsLook)
{
    load("GRAVBODY 400 300 50 0 ./graphics/turned.png 90\n");
    std::vector<std::pair<PictureLook, std::vector<std::uint8_t>>> frames(11);
    for (std::size_t frame = 0; frame < frames.size(); ++frame)
    {
        if (frame < 9)
            world->blinkStars();
        if (frame == 9)
            world->step();
        if (frame == 10)
            glPointSize(5);
        world->appendLook(frames[frame].first);
        window.clear();
        world->drawBlinked();
        frames[frame].second = window.frame();
        for (std::size_t before = 0; before < frame; ++before)
            EXPECT_TRUE(frames[before].second == frames[frame].second ||
                        frames[before].first != frames[frame].first)
                << "frames " << before << " and " << frame << " look alike";
    }
}
