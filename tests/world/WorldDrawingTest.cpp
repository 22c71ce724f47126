#include "engine/Core.h"
#include "support/CoreFixture.h"
#include "support/GlWindow.h"
#include "support/ManualClock.h"
#include "support/TempFolder.h"
#include "world/World.h"

#include <FreeImage.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>

namespace
{
using Colour = GlWindow::Colour;

const Colour backgroundBlue{0, 0, 200};
const Colour red{255, 0, 0};
const Colour green{0, 255, 0};
const Colour blue{0, 0, 255};
const Colour starGrey{153, 153, 153};
const Colour black{0, 0, 0};

// The world drawn into a real window from pictures written for the test: a plain blue background, a white
// heart, and a body picture that shows which way it is turned (top band blue, left red, right green).
class WorldDrawing : public CoreFixture
{
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        std::srand(5);
        World::resetEmissionTimer();
        writePicture("graphics/bg.png", 8, 8, [](int, int) { return backgroundBlue; });
        writePicture("graphics/heart.png", 16, 16, [](int, int) { return Colour{255, 255, 255}; });
        writePicture("graphics/turned.png", 64, 64,
                     [](int x, int yFromTop)
                     {
                         if (yFromTop < 16)
                             return blue;
                         return x < 32 ? red : green;
                     });
        world = Core::instance()->getWorld().get();
    }
    void TearDown() override
    {
        keepFrameIfAsked();
        CoreFixture::TearDown();
    }

    void writePicture(const std::string& name, int width, int height,
                      const std::function<Colour(int x, int yFromTop)>& colour) const
    {
        const std::string path = folder.write(name, "");
        FIBITMAP* bitmap = FreeImage_Allocate(width, height, 32);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
            {
                const Colour c = colour(x, y);
                RGBQUAD quad{c[2], c[1], c[0], 255};
                FreeImage_SetPixelColor(bitmap, x, height - 1 - y, &quad);
            }
        const bool saved = FreeImage_Save(FIF_PNG, bitmap, path.c_str(), 0);
        FreeImage_Unload(bitmap);
        ASSERT_TRUE(saved) << path;
    }
    void load(const std::string& content) { world->load(folder.write("levels/level.txt", content)); }
    void draw()
    {
        window.clear();
        world->draw();
    }
    bool isNearStar(int x, int y) const
    {
        for (const Particle& star : world->getStars())
            if (std::abs(star.position.x - float(x)) < 3 && std::abs(star.position.y - float(y)) < 3)
                return true;
        return false;
    }
    // With LUMORA_FRAME_FOLDER set, the last frame of each test is kept there as a picture to look at.
    void keepFrameIfAsked() const
    {
        const char* frames = std::getenv("LUMORA_FRAME_FOLDER");
        if (!frames)
            return;
        const std::vector<std::uint8_t> pixels = window.frame();
        FIBITMAP* bitmap = FreeImage_Allocate(800, 600, 24);
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x)
            {
                const std::uint8_t* pixel = &pixels[(y * 800 + x) * 3];
                RGBQUAD quad{pixel[2], pixel[1], pixel[0], 255};
                FreeImage_SetPixelColor(bitmap, x, y, &quad);
            }
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        FreeImage_Save(FIF_PNG, bitmap, (std::string(frames) + "/world-" + name + ".png").c_str(), 0);
        FreeImage_Unload(bitmap);
    }

    GlWindow window;
    TempFolder folder;
    ScopedWorkingFolder inGameFolder{folder.path()};
    World* world = nullptr;
};
} // namespace

TEST_F(WorldDrawing, TheBackgroundCoversTheFieldAndTheStarsShineOnIt)
{
    world->load("./levels/missing.txt");
    draw();
    int background = 0;
    for (int y = 0; y < 600; y += 7)
        for (int x = 0; x < 800; x += 7)
            background += near(window.pixel(x, y), backgroundBlue, 2) ? 1 : 0;
    EXPECT_GT(background, 115 * 86 * 98 / 100);

    int shining = 0;
    int dark = 0;
    for (const Particle& star : world->getStars())
    {
        const Colour colour = window.pixel(int(star.position.x), int(star.position.y));
        shining += near(colour, starGrey, 2) ? 1 : 0;
        dark += near(colour, black, 2) ? 1 : 0;
    }
    EXPECT_GE(shining, 95);
    EXPECT_EQ(shining + dark, 100);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

TEST_F(WorldDrawing, ParticlesAreTranslucentTenUnitHeartsAtTheirPlaces)
{
    ManualClock clock;
    load("GENERATOR 200 150 0 0 1\nGENERATOR 601 433 0 0 1\n");
    world->step();
    clock.advance(51);
    world->step();
    ASSERT_EQ(world->getParticles().size(), 2u);
    draw();
    // White at 0.7 over the background's blue.
    const Colour blended{178, 178, 238};
    for (const auto& [x, y] : {std::pair{200, 150}, std::pair{601, 433}})
    {
        ASSERT_FALSE(isNearStar(x, y) || isNearStar(x + 6, y));
        EXPECT_TRUE(near(window.pixel(x, y), blended, 3)) << x << "," << y;
        EXPECT_TRUE(near(window.pixel(x - 5, y - 5), blended, 3)) << "lower-left corner";
        EXPECT_TRUE(near(window.pixel(x + 4, y + 4), blended, 3)) << "upper-right corner";
        EXPECT_TRUE(near(window.pixel(x + 6, y), backgroundBlue, 2)) << "beyond the heart";
        EXPECT_TRUE(near(window.pixel(x, y - 7), backgroundBlue, 2)) << "below the heart";
    }
}

TEST_F(WorldDrawing, ABodyIsDrawnUprightThenTurnedByItsAngleOverTheParticles)
{
    ManualClock clock;
    load("GRAVBODY 400 300 50 0 ./graphics/turned.png 90\nGENERATOR 200 150 0 0 1\n");
    ASSERT_FALSE(isNearStar(400, 300));
    draw();
    EXPECT_TRUE(near(window.pixel(400, 340), blue)) << "the top band is at the top";
    EXPECT_TRUE(near(window.pixel(370, 300), red)) << "the left half is on the left";
    EXPECT_TRUE(near(window.pixel(430, 300), green));
    EXPECT_TRUE(near(window.pixel(400, 355), backgroundBlue, 2)) << "the square ends at the radius";

    world->step();
    clock.advance(51);
    world->step();
    world->step();
    ASSERT_EQ(world->getBodies()[0].angle, 270);
    ASSERT_EQ(world->getParticles().size(), 1u);
    // A body put right over the particle, not yet stepped: the body covers the particle's picture.
    world->placeHeart(200, 150, 20, 0, "./graphics/turned.png");
    draw();
    EXPECT_TRUE(near(window.pixel(203, 150), green));
    EXPECT_TRUE(near(window.pixel(197, 150), red));
    // A quarter turn clockwise from upright: the top band is on the right, the left half at the top.
    EXPECT_TRUE(near(window.pixel(440, 300), blue));
    EXPECT_TRUE(near(window.pixel(400, 330), red));
    EXPECT_TRUE(near(window.pixel(400, 270), green));
}
