#include "engine/MainLoop.h"
#include "engine/Core.h"
#include "engine/WindowIcon.h"
#include "engine/WindowScale.h"
#include "support/ManualClock.h"
#include "support/Scene.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"
#include "world/World.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cstdlib>
#include <string>
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
