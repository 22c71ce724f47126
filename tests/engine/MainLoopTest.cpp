#include "engine/MainLoop.h"
#include "engine/Core.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "engine/WindowScale.h"
#include "support/ManualClock.h"
#include "support/Recorder.h"
#include "support/Scene.h"
#include "support/SkippedFrameAudit.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <tuple>

// The real loop in a real window, its clocks driven by hand. It posts one input event a frame, draws a frame
// only when it differs from the one on screen or the window was uncovered, and blinks the stars in every
// frame: the random sequence goes on as if each frame were drawn.
using LoopFrames = Scene;

TEST_F(LoopFrames, EveryFrameTakesOneInputAndOneRandomNumberPerStarAndIsDrawnWhenChangedOrUncovered)
{
    ManualClock clock;
    MainLoop loop{GameSetup()};
    SkippedFrameAudit audit;
    loop.setFrameAudit(&audit);
    std::vector<std::string> posted;
    Handle<Recorder> input(new Recorder("input", posted));
    for (int type : {KeyUp, MouseDown, MouseUp})
        Core::instance()->getEventManager()->addListener(input, type);
    Core::instance()->getWorld()->load("./levels/missing.txt");
    for (SDL_Event pending; SDL_PollEvent(&pending);)
        continue;
    const auto push = [](Uint8 type)
    {
        SDL_Event event{};
        event.type = type;
        SDL_PushEvent(&event);
    };
    for (Uint8 type : {SDL_KEYUP, SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP})
        push(type);
    constexpr int frames = 20;
    std::srand(7);
    for (int frame = 0; frame < frames; ++frame)
    {
        const int skipped = audit.getSkippedFrames();
        if (frame % 2)
            push(SDL_VIDEOEXPOSE);
        loop.runFrame();
        EXPECT_EQ(posted.size(), static_cast<std::size_t>(std::min(frame + 1, 3)));
        EXPECT_TRUE(frame % 2 == 0 || audit.getSkippedFrames() == skipped) << "uncovered frame " << frame;
    }
    EXPECT_GT(audit.getSkippedFrames(), 0);
    EXPECT_TRUE(audit.getFaults().empty());
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
        {1080, "2x", 1},    {2160, "", 2},      {2160, "99", 2},    {9000, nullptr, 8}};
    for (const auto& [desktopHeight, setting, factor] : cases)
        EXPECT_EQ(WindowScale::choose(desktopHeight, setting), factor)
            << desktopHeight << " " << (setting ? setting : "unset");
}
