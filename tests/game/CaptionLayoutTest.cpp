#include "game/CaptionLayout.h"
#include "engine/Handle.h"
#include "support/TempFolder.h"
#include "world/LevelCaption.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace
{
// The placement of a level's caption and countdown line, the level given as its records.
struct Placed
{
    CaptionLayout::Placement placement;
    float worst;
    bool signOnLetters;
};

// A title and a hint of two lines.
Placed place(const std::string& records, int level = 1)
{
    const std::string remarks = "TITLE Caption\nHINT " + std::string(100, 'W').replace(40, 1, " ") + "\n";
    TempFolder folder;
    const Handle<World> world(new World());
    world->load(folder.write("level.txt", records + "\n//REMARKS\n" + remarks));
    const LevelCaption caption = LevelCaption::findIn(remarks);
    const std::string heading = CaptionLayout::levelHeading(level);
    const CaptionLayout::Placement placement = CaptionLayout::place(caption, heading, *world);
    const std::vector<float> shares = CaptionLayout::coveredShares(caption, heading, *world, placement);
    return Placed{placement, shares.empty() ? 0 : *std::max_element(shares.begin(), shares.end()),
                  CaptionLayout::hasSignOnLetters(caption, heading, *world, placement)};
}
} // namespace

TEST(CaptionLayout, TheCardAndTheCountdownLineGoWhereTheLevelLeavesRoom)
{
    // What a rectangle covers of a disc: all of it, the half above its middle, a sliver, nothing.
    const FieldRect card{100, 100, 300, 200};
    EXPECT_NEAR(card.coveredShareOf(200, 150, 40), 1, 0.01);
    EXPECT_NEAR(card.coveredShareOf(200, 100, 40), 0.5, 0.01);
    EXPECT_NEAR(card.coveredShareOf(200, 230, 40), 0.072, 0.005);
    EXPECT_EQ(card.coveredShareOf(200, 240, 40), 0);

    // A clear field keeps the caption across the top and the countdown line at its own place.
    const Placed clear = place("GRAVBODY 700 150 20 0 ./graphics/planet.png 0");
    EXPECT_EQ(clear.placement.captionTop, CaptionLayout::shownTop);
    EXPECT_EQ(clear.placement.captionWidth, CaptionLayout::shownWidth);
    EXPECT_EQ(clear.placement.countdownTopLeft.x, 200);
    EXPECT_EQ(clear.placement.countdownTopLeft.y, 300);

    // Each of these hides something at the usual places; each is placed so that nothing is hidden.
    const char* const crowded[] = {"GRAVBODY 400 520 40 0 ./graphics/planet.png 0", // under the card
                                   "GRAVBODY 400 280 30 0 ./graphics/planet.png 0", // under the line
                                   "GRAVBODY 400 520 40 0 ./graphics/planet.png 0\nGRAVBODY 400 140 40 0 "
                                   "./graphics/planet.png 0",   // both bands
                                   "GENERATOR 380 540 0 -1 10", // a sign on the title
                                   "GENERATOR 300 280 1 0 10"}; // one on the line
    for (const char* records : crowded)
    {
        const Placed placed = place(records);
        EXPECT_LE(placed.worst, CaptionLayout::mostCoveredShare) << records;
        EXPECT_FALSE(placed.signOnLetters) << records;
        EXPECT_TRUE(placed.placement.captionTop != CaptionLayout::shownTop ||
                    placed.placement.captionWidth != CaptionLayout::shownWidth ||
                    placed.placement.countdownTopLeft.y != 300)
            << records;
    }

    // A long level number moves the line left, so that its last digit stays on the field.
    const Placed far = place("", 2147483647);
    EXPECT_LE(far.placement.countdownTopLeft.x + 29 * 18 * 1.2f, 800);
}
