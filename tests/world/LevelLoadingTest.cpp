#include "support/TempFolder.h"
#include "world/LevelReport.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <locale>
#include <string>
#include <vector>

namespace
{
// Loads the text as a level file on disk, the way the game does.
class LevelLoading : public ::testing::Test
{
protected:
    World& load(const std::string& content)
    {
        world.load(folder.write("level.txt", content), &report);
        return world;
    }

    TempFolder folder;
    World world;
    LevelReport report;
};

void expectGenerator(const Generator& generator, float x, float y, float vx, float vy, int remaining)
{
    EXPECT_EQ(generator.position.x, x);
    EXPECT_EQ(generator.position.y, y);
    EXPECT_EQ(generator.position.z, 0);
    EXPECT_EQ(generator.velocity.x, vx);
    EXPECT_EQ(generator.velocity.y, vy);
    EXPECT_EQ(generator.velocity.z, 0);
    EXPECT_EQ(generator.remaining, remaining);
}

// What the game's numpad might look like in a language that writes decimal commas.
class DecimalComma : public std::numpunct<char>
{
protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

class ScopedGlobalLocale
{
public:
    explicit ScopedGlobalLocale(const std::locale& locale) : previous(std::locale::global(locale)) {}
    ~ScopedGlobalLocale() { std::locale::global(previous); }

private:
    std::locale previous;
};
} // namespace

TEST_F(LevelLoading, ReadsEveryRecordInFileOrderWithItsValues)
{
    load("GENERATOR 10 20.5 1.25 -0.5 80\n"
         "GRAVBODY 400 300 32.5 -150 ./graphics/planet.png 0.75\n"
         "  GENERATOR\t-3e2 +4\n\n5 6 -7\n"
         "GRAVBODY 1 2 3 4 ./graphics/moon.png -2\n");

    ASSERT_EQ(world.getGenerators().size(), 2u);
    expectGenerator(world.getGenerators()[0], 10, 20.5f, 1.25f, -0.5f, 80);
    expectGenerator(world.getGenerators()[1], -300, 4, 5, 6, -7);
    ASSERT_EQ(world.getBodies().size(), 2u);
    const GravBody& planet = world.getBodies()[0];
    EXPECT_EQ(planet.position.x, 400);
    EXPECT_EQ(planet.position.y, 300);
    EXPECT_EQ(planet.position.z, 0);
    EXPECT_EQ(planet.radius, 32.5f);
    EXPECT_EQ(planet.strength, -150);
    EXPECT_EQ(planet.textureName, "./graphics/planet.png");
    EXPECT_EQ(planet.spin, 0.75f);
    EXPECT_EQ(planet.angle, 0);
    EXPECT_TRUE(planet.isPlanet());
    EXPECT_EQ(world.getBodies()[1].textureName, "./graphics/moon.png");
    EXPECT_EQ(world.getBodies()[1].spin, -2);
    EXPECT_FALSE(world.getBodies()[1].isPlanet());
    EXPECT_TRUE(world.getParticles().empty());
    EXPECT_TRUE(report.skippedTokens.empty());
    EXPECT_FALSE(report.isCutShort());
}

TEST_F(LevelLoading, FilesWithoutRecordsGiveAnEmptyFieldWithStarsAndFreshCounters)
{
    for (const std::string& content : {std::string(), std::string("//REMARKS GENERATOR 1 2 3 4 5")})
    {
        SCOPED_TRACE(content);
        load(content);
        EXPECT_TRUE(world.getGenerators().empty());
        EXPECT_TRUE(world.getBodies().empty());
        EXPECT_EQ(world.getStars().size(), 100u);
        EXPECT_EQ(world.getLightHearts(), 5);
        EXPECT_EQ(world.getDarkHearts(), 5);
        EXPECT_EQ(world.getCapturedCount(), 0);
    }
    world.load(folder.file("no-such-level.txt"), &report);
    EXPECT_TRUE(world.getGenerators().empty());
    EXPECT_TRUE(world.getBodies().empty());
    EXPECT_EQ(world.getStars().size(), 100u);
}

TEST_F(LevelLoading, RemarksEndTheReadingOnlyAsAWholeToken)
{
    load("GENERATOR 1 1 0 0 1 //REMARKS: GENERATOR 2 2 0 0 2\n"
         "//REMARKS GENERATOR 3 3 0 0 3\nSOLUTION light 1 2\n");
    ASSERT_EQ(world.getGenerators().size(), 2u);
    EXPECT_EQ(world.getGenerators()[1].remaining, 2);
    EXPECT_EQ(report.skippedTokens, std::vector<std::string>{"//REMARKS:"});
    EXPECT_TRUE(report.hasRemarks);
    EXPECT_EQ(report.remarks, " GENERATOR 3 3 0 0 3\nSOLUTION light 1 2\n");
}

TEST_F(LevelLoading, UnknownTokensAreSkippedOneByOneAndKeywordsAmongThemStartRecords)
{
    load("Generator 1 2 3 4 5\n"
         "# a note: the next GRAVBODY 5 6 7 8 ./graphics/planet.png 0 is read\n"
         "GENERATOR 1 2 0 0 3 surplus 9\n");
    EXPECT_EQ(report.skippedTokens,
              (std::vector<std::string>{"Generator", "1", "2", "3", "4", "5", "#", "a", "note:", "the",
                                        "next", "is", "read", "surplus", "9"}));
    ASSERT_EQ(world.getBodies().size(), 1u);
    EXPECT_EQ(world.getBodies()[0].radius, 7);
    ASSERT_EQ(world.getGenerators().size(), 1u);
    EXPECT_EQ(world.getGenerators()[0].remaining, 3);
}

TEST_F(LevelLoading, ValuesOfARecordAreReadWithoutLookingForKeywords)
{
    load("GRAVBODY 1 2 3 4 GENERATOR 5 GENERATOR 6 7 8 9 10");
    ASSERT_EQ(world.getBodies().size(), 1u);
    EXPECT_EQ(world.getBodies()[0].textureName, "GENERATOR");
    EXPECT_EQ(world.getBodies()[0].spin, 5);
    ASSERT_EQ(world.getGenerators().size(), 1u);
    EXPECT_EQ(world.getGenerators()[0].remaining, 10);
}

TEST_F(LevelLoading, AFractionalCountReadsItsWholePartAndTheRestIsSkipped)
{
    load("GENERATOR 1 2 3 4 80.5 GENERATOR 5 6 7 8 -2");
    ASSERT_EQ(world.getGenerators().size(), 2u);
    EXPECT_EQ(world.getGenerators()[0].remaining, 80);
    EXPECT_EQ(world.getGenerators()[1].remaining, -2);
    EXPECT_EQ(report.skippedTokens, std::vector<std::string>{".5"});
}

TEST_F(LevelLoading, ARecordCutShortIsKeptWithItsUnreadValuesZeroAndEndsTheReading)
{
    load("GENERATOR 1 1 1 1 1\nGRAVBODY 10 20 oops 4 ./graphics/planet.png 1\nGENERATOR 2 2 2 2 2\n");
    ASSERT_EQ(world.getBodies().size(), 1u);
    const GravBody& body = world.getBodies()[0];
    EXPECT_EQ(body.position.x, 10);
    EXPECT_EQ(body.position.y, 20);
    EXPECT_EQ(body.radius, 0);
    EXPECT_EQ(body.strength, 0);
    EXPECT_EQ(body.textureName, "");
    EXPECT_EQ(body.spin, 0);
    EXPECT_EQ(world.getGenerators().size(), 1u);
    EXPECT_EQ(world.getStars().size(), 100u);
    EXPECT_EQ(report.cutShortRecord, "GRAVBODY");
    EXPECT_EQ(report.cutShortRecordNumber, 1);
    EXPECT_EQ(report.cutShortField, "radius");
    EXPECT_TRUE(report.skippedTokens.empty());

    load("GENERATOR 1 1 1 1 1 GENERATOR 7 8 9");
    ASSERT_EQ(world.getGenerators().size(), 2u);
    expectGenerator(world.getGenerators()[1], 7, 8, 9, 0, 0);
    EXPECT_EQ(report.cutShortRecord, "GENERATOR");
    EXPECT_EQ(report.cutShortRecordNumber, 2);
    EXPECT_EQ(report.cutShortField, "vy");
}

TEST_F(LevelLoading, ARecordEndingTheFileWithoutALineEndIsWhole)
{
    load("GRAVBODY 1 2 3 4 ./graphics/planet.png 6");
    ASSERT_EQ(world.getBodies().size(), 1u);
    EXPECT_EQ(world.getBodies()[0].spin, 6);
    EXPECT_FALSE(report.isCutShort());
}

TEST_F(LevelLoading, NumbersOutOfRangeOrNotNumbersAreUnreadValues)
{
    // The stream would clamp 1e39 to the largest float; a body that big or strong must not come of it.
    load("GRAVBODY 1 2 1e39 4 ./graphics/planet.png 1");
    ASSERT_EQ(world.getBodies().size(), 1u);
    EXPECT_EQ(world.getBodies()[0].radius, 0);
    EXPECT_EQ(report.cutShortField, "radius");

    for (const char* notANumber : {"nan", "inf", "-inf", "one"})
    {
        SCOPED_TRACE(notANumber);
        load(std::string("GENERATOR 1 2 ") + notANumber + " 4 5");
        ASSERT_EQ(world.getGenerators().size(), 1u);
        expectGenerator(world.getGenerators()[0], 1, 2, 0, 0, 0);
        EXPECT_EQ(report.cutShortField, "vx");
    }

    load("GENERATOR 1 2 3 4 2147483647 GENERATOR 1 2 3 4 2147483648");
    ASSERT_EQ(world.getGenerators().size(), 2u);
    EXPECT_EQ(world.getGenerators()[0].remaining, std::numeric_limits<int>::max());
    EXPECT_EQ(world.getGenerators()[1].remaining, 0);
    EXPECT_EQ(report.cutShortField, "count");

    load("GENERATOR 1e-40 -3.4e38 1E2 .5 1");
    expectGenerator(world.getGenerators()[0], 1e-40f, -3.4e38f, 100, 0.5f, 1);
}

TEST_F(LevelLoading, ReadsDecimalPointsWhateverTheGlobalLocale)
{
    const ScopedGlobalLocale comma(std::locale(std::locale::classic(), new DecimalComma));
    load("GENERATOR 1.5 2 3 4 1.000");
    ASSERT_EQ(world.getGenerators().size(), 1u);
    EXPECT_EQ(world.getGenerators()[0].position.x, 1.5f);
    EXPECT_EQ(world.getGenerators()[0].remaining, 1);
    EXPECT_EQ(report.skippedTokens, std::vector<std::string>{".000"});
}

TEST_F(LevelLoading, EachLoadReplacesEverythingAndScattersNewStarsFromRand)
{
    const std::string level = "GENERATOR 1 2 3 4 5 GRAVBODY 1 2 3 4 ./graphics/planet.png 6";
    std::srand(77);
    std::vector<Particle> expected;
    for (int star = 0; star < 100; ++star)
    {
        const int x = std::rand() % 800;
        const int y = std::rand() % 600;
        const int size = std::rand() % 3;
        expected.push_back(Particle{Vector3(float(x), float(y), float(size)), Vector3()});
    }

    std::srand(77);
    load(level);
    ASSERT_EQ(world.getStars().size(), expected.size());
    for (std::size_t index = 0; index < expected.size(); ++index)
    {
        const Particle& star = world.getStars()[index];
        EXPECT_EQ(star.position.x, expected[index].position.x);
        EXPECT_EQ(star.position.y, expected[index].position.y);
        EXPECT_EQ(star.position.z, expected[index].position.z);
        EXPECT_EQ(star.velocity.x, 0);
    }

    load(level);
    EXPECT_EQ(world.getGenerators().size(), 1u);
    EXPECT_EQ(world.getBodies().size(), 1u);
    EXPECT_EQ(world.getStars().size(), 100u);
    bool moved = false;
    for (std::size_t index = 0; index < expected.size(); ++index)
        moved = moved || world.getStars()[index].position.x != expected[index].position.x;
    EXPECT_TRUE(moved);
}
