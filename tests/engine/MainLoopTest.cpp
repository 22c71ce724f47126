#include "engine/MainLoop.h"
#include "engine/Core.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "engine/ProcessManager.h"
#include "engine/WindowScale.h"
#include "support/CoreAccess.h"
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
class IdleProcess : public Process
{
public:
    void handleEvent(Event&) override {}
};

// Frames of the real loop in a real window, fed through SDL's own queue, with the clocks driven by hand
// so the frame waits take no time.
class LoopFrames : public CoreFixture
{
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        CoreAccess::root()->addChild(new IdleProcess());
        CoreAccess::setRunning(true);
        Handle<EventManager> events = Core::instance()->getEventManager();
        recorder = new Recorder("r", log);
        recorder->onEvent(
            [this](Event& event)
            {
                if (event.type == MouseUp)
                    clicksAt.push_back(event.getParameter(0) + "," + event.getParameter(1));
            });
        for (int type : {KeyUp, MouseMove, MouseUp, Tick})
            events->addListener(recorder, type);
        SDL_Event ignored;
        while (SDL_PollEvent(&ignored))
        {
        }
    }

    void TearDown() override
    {
        Handle<EventManager> events = Core::instance()->getEventManager();
        for (int type : {KeyUp, MouseMove, MouseUp, Tick})
            events->removeListener(recorder, type);
        CoreFixture::TearDown();
    }

    static void push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 0); }
    static void pushClick(int x, int y)
    {
        SDL_Event event{};
        event.type = SDL_MOUSEBUTTONUP;
        event.button.button = SDL_BUTTON_LEFT;
        event.button.x = static_cast<Uint16>(x);
        event.button.y = static_cast<Uint16>(y);
        push(event);
    }
    static void pushMotion(int x, int y)
    {
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.x = static_cast<Uint16>(x);
        event.motion.y = static_cast<Uint16>(y);
        push(event);
    }

    // The log entries of each frame, split at the frame's Tick.
    std::vector<std::vector<std::string>> frames() const
    {
        std::vector<std::vector<std::string>> split(1);
        for (const std::string& entry : log)
        {
            split.back().push_back(entry);
            if (entry == "r:Tick")
                split.emplace_back();
        }
        split.pop_back();
        return split;
    }

    GlWindow window;
    ManualClock clock;
    MainLoop loop;
    std::vector<std::string> log;
    std::vector<std::string> clicksAt;
    Handle<Recorder> recorder;
};
} // namespace

TEST_F(LoopFrames, TwoEventsOfOneFrameArriveInTwoFramesEachBeforeItsTick)
{
    SDL_Event up{};
    up.type = SDL_KEYUP;
    up.key.keysym.sym = SDLK_ESCAPE;
    push(up);
    pushClick(123, 45);

    EXPECT_TRUE(loop.runFrame());
    EXPECT_TRUE(loop.runFrame());
    EXPECT_TRUE(loop.runFrame());

    const auto split = frames();
    ASSERT_EQ(split.size(), 3u);
    EXPECT_EQ(split[0], (std::vector<std::string>{"r:KeyUp", "r:Tick"}));
    EXPECT_EQ(split[1], (std::vector<std::string>{"r:MouseUp", "r:Tick"}));
    EXPECT_EQ(clicksAt, (std::vector<std::string>{"123,45"}));
}

TEST_F(LoopFrames, AClickBehindLongBurstsOfMotionArrivesWithinAFewFrames)
{
    for (int frame = 0; frame < 10; ++frame)
    {
        for (int i = 0; i < 100; ++i)
            pushMotion(i, frame);
        loop.runFrame();
    }
    // SDL itself holds at most 128 events between two frames.
    for (int i = 0; i < 60; ++i)
        pushMotion(i, 50);
    pushClick(321, 54);
    for (int i = 0; i < 60; ++i)
        pushMotion(i, 60);

    for (int frame = 0; frame < 3 && clicksAt.empty(); ++frame)
        loop.runFrame();

    EXPECT_EQ(clicksAt, (std::vector<std::string>{"321,54"}));
    for (const auto& frame : frames())
        EXPECT_LE(frame.size(), 2u) << "more than one input event in a frame";
}

TEST_F(LoopFrames, ClosingTheWindowEndsTheLoopAfterThatFrame)
{
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    push(quit);
    EXPECT_FALSE(loop.runFrame());
    EXPECT_EQ(frames().size(), 1u);
}

// Frames that equal the one on screen are not drawn, yet every frame blinks the stars: the random
// sequence goes on exactly as if each frame were drawn.
TEST_F(LoopFrames, EveryFrameTakesOneRandomNumberPerStarDrawnOrNot)
{
    Core::instance()->getWorld()->load("./levels/missing.txt");
    const int frames = 20;
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
