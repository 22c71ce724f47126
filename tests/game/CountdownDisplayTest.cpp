#include "game/GeneratorSigns.h"
#include "game/TextCard.h"
#include "graphics/PictureLook.h"
#include "support/Scene.h"

#include <gtest/gtest.h>

#include <tuple>

namespace
{
Generator generator(float x, float y, float vx, float vy, int count)
{
    return Generator{Vector3(x, y, 0), Vector3(vx, vy, 0), count};
}

// The signs show the game's own particle picture.
class CountdownDisplay : public Scene
{
protected:
    bool lit(int x, int y) const
    {
        const GlWindow::Colour colour = window.pixel(x, y);
        return colour[0] + colour[1] + colour[2] > 100;
    }
    ScopedWorkingFolder inGameFolder{LUMORA_SOURCE_DIR "/data"};
};
} // namespace

TEST_F(CountdownDisplay, EveryGeneratorWithParticlesLeftIsRingedWithAnArrowAlongItsVelocityIfItHasOne)
{
    GeneratorSigns signs(
        {generator(200, 300, 0, 3, 5), generator(600, 300, 0, 0, 1), generator(400, 150, 1, 0, 0)});
    window.clear();
    signs.draw();
    // The ring 10 units round, the arrow from 13 to 40 units out.
    const std::tuple<int, int, bool> points[] = {{210, 300, true},  {200, 325, true},  {225, 300, false},
                                                 {610, 300, true},  {630, 300, false}, {600, 325, false},
                                                 {410, 150, false}, {425, 150, false}};
    for (const auto& [x, y, shown] : points)
        EXPECT_EQ(lit(x, y), shown) << x << "," << y;
    PictureLook up;
    PictureLook right;
    signs.appendLook(up);
    GeneratorSigns({generator(200, 300, 3, 0, 5), generator(600, 300, 0, 0, 1)}).appendLook(right);
    EXPECT_TRUE(up != right) << "the arrow's way is in the look";
}

TEST_F(CountdownDisplay, ACardsLinesStandOneBelowTheOtherCentredOnTheField)
{
    useWhiteFont("A");
    TextCard card;
    card.addLine("A", 1, Vector3(1, 1, 1));
    card.addLine("A", 1, Vector3(0, 1, 0));
    card.show(500);
    drawInterface();
    // Glyphs of 18 by 40 from x 391: the first from y 499 down, the second below it.
    EXPECT_EQ(window.pixel(391, 460), (GlWindow::Colour{255, 255, 255}));
    EXPECT_EQ(window.pixel(408, 459), (GlWindow::Colour{0, 255, 0}));
}
