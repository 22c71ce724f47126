#include "engine/MainLoop.h"
#include "engine/Core.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "engine/FramePacer.h"
#include "engine/WindowScale.h"
#include "support/CoreFixture.h"
#include "support/GlWindow.h"
#include "support/ManualClock.h"
#include "support/Recorder.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace
{
using Log = std::vector<std::string>;

// The real loop in a real window, fed through SDL's own queue, with the clocks driven by hand so the
// frame waits take no time. The log shows each frame's input event, if any, then its Tick.
class LoopFrames : public CoreFixture
{
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        recorder->onEvent(
            [this](Event& event)
            {
                if (event.type == MouseUp)
                    log.back() += "@" + event.getParameter(0) + "," + event.getParameter(1);
            });
        for (int type : {KeyUp, MouseUp, Tick})
            Core::instance()->getEventManager()->addListener(recorder, type);
        for (SDL_Event stray; SDL_PollEvent(&stray);)
            continue;
    }

    static void push(Uint8 type, int x = 0, int y = 0)
    {
        SDL_Event event{};
        event.type = type;
        if (type == SDL_MOUSEBUTTONUP)
            event.button = SDL_MouseButtonEvent{type, 0, SDL_BUTTON_LEFT, SDL_RELEASED, Uint16(x), Uint16(y)};
        ASSERT_EQ(SDL_PushEvent(&event), 0);
    }

    void runFor(int milliseconds)
    {
        for (int spent = 0; spent < milliseconds; spent += FramePacer::frameMilliseconds)
            loop.runFrame();
    }

    GlWindow window;
    ManualClock clock;
    MainLoop loop;
    Log log;
    Handle<Recorder> recorder = new Recorder("r", log);
};
} // namespace

TEST_F(LoopFrames, EachFramePostsAtMostOneInputEventBeforeItsTick)
{
    push(SDL_KEYUP);
    push(SDL_MOUSEBUTTONUP, 123, 45);
    runFor(30);
    EXPECT_EQ(log, (Log{"r:KeyUp", "r:Tick", "r:MouseUp@123,45", "r:Tick", "r:Tick"}));
}

TEST_F(LoopFrames, ClosingTheWindowEndsTheLoopAfterThatFrame)
{
    push(SDL_QUIT);
    EXPECT_FALSE(loop.runFrame());
    EXPECT_EQ(log, Log{"r:Tick"});
}

// Frames that equal the one on screen are not drawn, yet every frame blinks the stars: the random
// sequence goes on exactly as if each frame were drawn.
TEST_F(LoopFrames, EveryFrameTakesOneRandomNumberPerStarDrawnOrNot)
{
    Core::instance()->getWorld()->load("./levels/missing.txt");
    std::srand(7);
    runFor(200);
    const int next = std::rand();

    std::srand(7);
    for (std::uint32_t i = 0; i < 200 / FramePacer::frameMilliseconds * World::starCount; ++i)
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
