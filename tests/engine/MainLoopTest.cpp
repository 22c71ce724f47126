#include "engine/MainLoop.h"
#include "engine/Core.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "engine/WindowIcon.h"
#include "engine/WindowScale.h"
#include "support/ManualClock.h"
#include "support/Recorder.h"
#include "support/Scene.h"
#include "support/SkippedFrameAudit.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"
#include "world/World.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <string>
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

namespace
{
long peakResidentKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The 54 bytes of a BMP's headers, claiming a picture of that size whose pixels never come.
std::string bmpHeaderOnly(std::uint32_t width, std::uint32_t height)
{
    std::string header = "BM";
    for (const std::uint32_t field : {54u, 0u, 54u, 40u, width, height, 0x200001u, 0u, 0u, 0u, 0u, 0u, 0u})
        for (int byte = 0; byte < 4; ++byte)
            header += static_cast<char>(field >> (8 * byte) & 0xff);
    return header;
}
} // namespace

// A FIFO in the icon's place would wait for a writer before any window, and a header claiming 20000 by
// 20000 pixels would cost 1.2 GB: neither is read, and neither is a picture larger than an icon.
TEST(WindowIcon, IsReadOnlyFromARegularFileOfAnIconsSize)
{
    TempFolder folder;
    SDL_Surface* shipped = WindowIcon::load(LUMORA_SOURCE_DIR "/data/graphics/icon.bmp");
    ASSERT_NE(shipped, nullptr);
    EXPECT_EQ(shipped->w, 48);
    SDL_FreeSurface(shipped);

    ASSERT_EQ(mkfifo(folder.file("fifo.bmp").c_str(), 0600), 0);
    EXPECT_EQ(WindowIcon::load(folder.file("fifo.bmp")), nullptr);
    const long side = WindowIcon::largestSidePixels + 1;
    testpictures::writeTrueColour(folder.file("large.bmp"), side, side, 32,
                                  [](int, int) {
                                      return testpictures::Rgba{1, 2, 3, 4};
                                  });
    EXPECT_EQ(WindowIcon::load(folder.file("large.bmp")), nullptr);
    const long peakBefore = peakResidentKilobytes();
    EXPECT_EQ(WindowIcon::load(folder.write("claims.bmp", bmpHeaderOnly(20000, 20000))), nullptr);
    EXPECT_LT(peakResidentKilobytes() - peakBefore, 100000) << "the claimed pixels took memory";
}
