#include "engine/MainLoop.h"
#include "engine/Core.h"
#include "engine/WindowScale.h"
#include "support/ManualClock.h"
#include "support/Scene.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <cstdlib>

// The real loop in a real window, its clocks driven by hand. Frames that equal the one on screen are not
// drawn, yet every frame blinks the stars: the random sequence goes on as if each frame were drawn.
using LoopFrames = Scene;

TEST_F(LoopFrames, EveryFrameTakesOneRandomNumberPerStarDrawnOrNot)
{
    ManualClock clock;
    MainLoop loop;
    constexpr int frames = 20;
    Core::instance()->getWorld()->load("./levels/missing.txt");
    std::srand(7);
    for (int frame = 0; frame < frames; ++frame)
        loop.runFrame();
    const int next = std::rand();

    std::srand(7);
    for (int i = 0; i < frames * World::starCount; ++i)
        std::rand();
    EXPECT_EQ(next, std::rand());
}

TEST(WindowScale, TheLargestFactorWithinFourFifthsOfTheDesktopUnlessOneIsAskedFor)
{
    struct Case
    {
        int desktopHeight;
        const char* setting;
        int factor;
    };
    for (const Case& c : {Case{1080, nullptr, 1}, Case{2160, nullptr, 2}, Case{1440, nullptr, 1},
                          Case{3240, nullptr, 4}, Case{0, nullptr, 1}, Case{2160, "1", 1}, Case{1080, "3", 3},
                          Case{2160, "0", 2}, Case{2160, "2x", 2}, Case{2160, "", 2}, Case{2160, "99", 2}})
        EXPECT_EQ(WindowScale::choose(c.desktopHeight, c.setting), c.factor)
            << c.desktopHeight << " " << (c.setting ? c.setting : "unset");
}
