#include "game/CaptionLayout.h"
#include "support/TempFolder.h"
#include "world/LevelCaption.h"
#include "world/LevelReport.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <locale>
#include <string>
#include <tuple>
#include <vector>

namespace
{
using Tokens = std::vector<std::string>;

// Loads the text as a level file on disk, the way the game does.
class LevelLoading : public ::testing::Test
{
protected:
    // A test that set another language leaves none behind.
    void TearDown() override { std::locale::global(std::locale::classic()); }
    void load(const std::string& content) { world.load(folder.write("level.txt", content), &report); }
    const Generator& generator(std::size_t index) const { return world.getGenerators().at(index); }
    const GravBody& body(std::size_t index) const { return world.getBodies().at(index); }

    TempFolder folder;
    World world;
    LevelReport report;
};

// A generator's values in file order.
using Values = std::tuple<float, float, float, float, int>;
Values valuesOf(const Generator& g)
{
    return Values(g.position.x, g.position.y, g.velocity.x, g.velocity.y, g.remaining);
}

// What the player's language might make of numbers: decimal commas and points between thousands.
class DecimalComma : public std::numpunct<char>
{
protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

} // namespace

TEST_F(LevelLoading, EveryLoadReplacesTheFieldAndScattersAHundredStarsInside)
{
    load("GENERATOR 1 2 3 4 5 GRAVBODY 1 2 3 4 ./graphics/planet.png 6");
    // Even a missing level gives a field with stars, and nothing of the level before.
    world.load(folder.file("no-such-level.txt"), &report);
    EXPECT_TRUE(world.getGenerators().empty());
    EXPECT_TRUE(world.getBodies().empty());
    ASSERT_EQ(world.getStars().size(), 100u);
    float farthest = 0;
    for (const Particle& star : world.getStars())
    {
        const Vector3& at = star.position;
        EXPECT_TRUE(at.x >= 0 && at.x < 800 && at.y >= 0 && at.y < 600) << at.x << "," << at.y;
        farthest = std::max(farthest, at.x);
    }
    // A hundred stars spread evenly leave the right quarter empty but once in billions of loads.
    EXPECT_GE(farthest, 600);
}

TEST_F(LevelLoading, KeywordsAreCaseSensitiveWholeTokensThatStartRecordsAmongSkippedTextButNotAmongValues)
{
    load("Generator 1 2 3 4 5\n"
         "# a note: the next GRAVBODY 5 6 7 8 ./graphics/planet.png 0 is read\n"
         "GENERATOR 1 2 0 0 3 surplus 9\n");
    EXPECT_EQ(report.skippedTokens, (Tokens{"Generator", "1", "2", "3", "4", "5", "#", "a", "note:", "the",
                                            "next", "is", "read", "surplus", "9"}));
    ASSERT_EQ(world.getBodies().size(), 1u);
    EXPECT_EQ(body(0).textureName, "./graphics/planet.png");
    ASSERT_EQ(world.getGenerators().size(), 1u);
    EXPECT_EQ(generator(0).remaining, 3);
    std::string manyTokens;
    for (int token = 0; token < 1000; ++token)
        manyTokens += "x ";
    load(manyTokens);
    EXPECT_EQ(report.skippedTokenCount, 1000u);
    EXPECT_EQ(report.skippedTokens, Tokens(LevelReport::skippedTokensKept, "x"));

    // A last record without a line end is whole too.
    load("GRAVBODY 1 2 3 4 GENERATOR 5 GENERATOR 6 7 8 9 10");
    EXPECT_EQ(body(0).textureName, "GENERATOR");
    EXPECT_EQ(body(0).spin, 5);
    ASSERT_EQ(world.getGenerators().size(), 1u);
    EXPECT_EQ(generator(0).remaining, 10);
    EXPECT_FALSE(report.isCutShort());
    load("GRAVBODY 1 2 3 4 a.png 5 GENERATOR 1 2 3 4 5 GENERATOR 6 7");
    EXPECT_EQ(report.cutShortRecord + std::to_string(report.cutShortRecordNumber), "GENERATOR2");

    // Remarks end the reading only as a whole token.
    load("GENERATOR 1 1 0 0 1 //REMARKS: //remarks GENERATOR 2 2 0 0 2\n"
         "//REMARKS GENERATOR 3 3 0 0 3\nSOLUTION light 1 2\n");
    ASSERT_EQ(world.getGenerators().size(), 2u);
    EXPECT_EQ(generator(1).remaining, 2);
    EXPECT_EQ(report.skippedTokens, (Tokens{"//REMARKS:", "//remarks"}));
    EXPECT_TRUE(report.hasRemarks);
    EXPECT_EQ(report.remarks, " GENERATOR 3 3 0 0 3\nSOLUTION light 1 2\n");
}

TEST_F(LevelLoading, NumbersAreReadWithDecimalPointsAndOutOfRangeOrNonNumbersAreUnread)
{
    const int intMax = std::numeric_limits<int>::max();
    const struct
    {
        const char* line;
        Values read;
        Tokens skipped;
        const char* unreadField;
    } cases[] = {
        {"GENERATOR 1.5 2 3 4 1.000", {1.5f, 2, 3, 4, 1}, {".000"}, ""},
        {"GENERATOR 1 2 3 4 80.5", {1, 2, 3, 4, 80}, {".5"}, ""},
        {"GENERATOR 1e-40 -3.4e38 1E2 .5 2147483647", {1e-40f, -3.4e38f, 100, 0.5f, intMax}, {}, ""},
        // The stream would clamp these to the largest value of their type.
        {"GENERATOR 1e39 2 3 4 5", {0, 0, 0, 0, 0}, {}, "x"},
        {"GENERATOR 1 2 3 4 2147483648", {1, 2, 3, 4, 0}, {}, "count"},
        {"GENERATOR 1 2 nan 4 5", {1, 2, 0, 0, 0}, {}, "vx"},
        // A record cut short keeps its unread values zero and ends the reading.
        {"GENERATOR 1 2 one 4 5 GENERATOR 6 7 8 9 10", {1, 2, 0, 0, 0}, {}, "vx"},
    };
    // Level files are written with decimal points whatever the player's language.
    for (const bool decimalComma : {false, true})
    {
        if (decimalComma)
            std::locale::global(std::locale(std::locale::classic(), new DecimalComma));
        for (const auto& entry : cases)
        {
            SCOPED_TRACE(::testing::Message() << entry.line << (decimalComma ? " with decimal commas" : ""));
            load(entry.line);
            ASSERT_EQ(world.getGenerators().size(), 1u);
            EXPECT_EQ(valuesOf(generator(0)), entry.read);
            EXPECT_EQ(report.skippedTokens, entry.skipped);
            EXPECT_EQ(report.cutShortField, entry.unreadField);
        }
    }
}

TEST_F(LevelLoading, TheCaptionIsTheRemarksFirstTitleAndHintAsTheFontDrawsThem)
{
    load("GENERATOR 1 2 3 4 5 TITLE Outside\n//REMARKS\nA TITLE in prose\nTITLE \t\n"
         "  TITLE\tFirst  light \nHINT It's a left-click, (\xC3\xA9) ok?\nTITLE Second\nHINT Second\n");
    const LevelCaption caption = LevelCaption::findIn(report.remarks);
    EXPECT_EQ(caption.getTitle(), "First  light");
    EXPECT_EQ(LevelCaption::drawable(caption.getTitle()), "FIRST LIGHT");
    // Upper-cased, blanks single and inside, and whatever the font lacks dropped, each once in the report.
    const std::string texts[][3] = {{caption.getHint(), "ITS A LEFTCLICK, OK?", "'-(\xC3\xA9)"},
                                    {std::string("- zz\t\0z -?-", 11), "ZZ Z ?", std::string("-\0", 2)}};
    for (const auto& [text, drawable, lost] : texts)
    {
        EXPECT_EQ(LevelCaption::drawable(text), drawable);
        EXPECT_EQ(LevelCaption::lostCharacters(text), lost);
    }
    EXPECT_EQ(LevelCaption::wrap("AAA BBB CCCCCCCCC D", 7),
              (std::vector<std::string>{"AAA BBB", "CCCCCCC", "CC D"}));
    EXPECT_EQ(LevelCaption::wrap("AAA BBBB CCCCCCC", 7, 2), (std::vector<std::string>{"AAA", "BBBB"}));
    EXPECT_EQ(LevelCaption::wrap("CCCCCCC", 7), std::vector<std::string>{"CCCCCCC"});
}

// Cutting a line at a time from the front of a word took minutes for a hint of megabytes without a blank.
TEST_F(LevelLoading, AHintOfMegabytesWithoutBlanksGivesItsShownLinesAtOnce)
{
    load("GENERATOR 1 2 3 4 5\n//REMARKS\nHINT " + std::string(std::size_t{32} << 20, 'a') + "\n");
    EXPECT_EQ(CaptionLayout::hintLines(LevelCaption::findIn(report.remarks)),
              Tokens(CaptionLayout::hintLinesShown, std::string(CaptionLayout::hintColumns, 'A')));
}
