#include "game/GeneratorSigns.h"
#include "game/TextCard.h"
#include "graphics/PictureLook.h"
#include "support/Scene.h"

#include <gtest/gtest.h>

#include <tuple>

using CountdownDisplay = Scene;

TEST_F(CountdownDisplay, EveryGeneratorWithParticlesLeftIsRingedWithAnArrowAlongItsVelocityIfItHasOne)
{
    ScopedWorkingFolder inGameFolder(LUMORA_SOURCE_DIR "/data");
    GeneratorSigns signs(
        {{{200, 300, 0}, {0, 3, 0}, 5}, {{600, 300, 0}, {0, 0, 0}, 1}, {{400, 150, 0}, {1, 0, 0}, 0}});
    window.clear();
    signs.draw();
    // The ring 10 units round, the arrow from 13 to 40 units out.
    const std::tuple<int, int, bool> points[] = {{210, 300, true},  {200, 325, true},  {225, 300, false},
                                                 {610, 300, true},  {630, 300, false}, {600, 325, false},
                                                 {410, 150, false}, {425, 150, false}};
    for (const auto& [x, y, shown] : points)
        EXPECT_EQ(window.pixel(x, y) != GlWindow::Colour{}, shown) << x << "," << y;
    PictureLook up;
    PictureLook right;
    signs.appendLook(up);
    GeneratorSigns({{{200, 300, 0}, {3, 0, 0}, 5}, {{600, 300, 0}, {0, 0, 0}, 1}}).appendLook(right);
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
