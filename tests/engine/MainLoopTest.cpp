#include "engine/MainLoop.h"
#include "engine/Core.h"
#include "engine/WindowScale.h"
#include "support/ManualClock.h"
#include "support/Scene.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

// The real loop in a real window, its clocks driven by hand. Frames that equal the one on screen are not
// drawn, yet every frame blinks the stars: the random sequence goes on as if each frame were drawn.
using LoopFrames = Scene;

TEST_F(LoopFrames, EveryFrameTakesOneRandomNumberPerStarDrawnOrNot)
{
    ManualClock clock;
    MainLoop loop{GameSetup()};
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
    const std::tuple<int, const char*, int> cases[] = {
        {1080, nullptr, 1}, {2160, nullptr, 2}, {1440, nullptr, 1}, {3240, nullptr, 4},
        {0, nullptr, 1},    {2160, "1", 1},     {1080, "3", 3},     {2160, "0", 2},
        {2160, "2x", 2},    {2160, "", 2},      {2160, "99", 2}};
    for (const auto& [desktopHeight, setting, factor] : cases)
        EXPECT_EQ(WindowScale::choose(desktopHeight, setting), factor)
            << desktopHeight << " " << (setting ? setting : "unset");
}
