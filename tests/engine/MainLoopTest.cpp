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

TEST(WindowScale, TheLargestFactorWithinFourFifthsOfTheDesktopOrTheOneAskedForIfItFits)
{
    // Desktop width and height, the setting, the factor, and whether the player is told something.
    const std::tuple<int, int, const char*, int, bool> cases[] = {
        {1920, 1080, nullptr, 1, false}, {3840, 2160, nullptr, 2, false}, {2560, 1440, nullptr, 1, false},
        {5760, 3240, nullptr, 4, false}, {0, 0, nullptr, 1, false},       {1080, 2560, nullptr, 1, false},
        {3840, 2160, "1", 1, false},     {3840, 2160, "3", 3, false},     {0, 0, "3", 3, false},
        {1920, 1080, "2", 1, true},      {3840, 2160, "4", 3, true},      {3840, 2160, "0", 2, true},
        {3840, 2160, "2x", 2, true},     {3840, 2160, "", 2, false},      {3840, 2160, "99", 2, true}};
    for (const auto& [width, height, setting, factor, told] : cases)
    {
        const WindowScale::Choice choice = WindowScale::choose(width, height, setting);
        EXPECT_EQ(choice.factor, factor) << width << "x" << height << " " << (setting ? setting : "unset");
        EXPECT_EQ(choice.note.empty(), !told) << choice.note;
    }
}
