#include "world/LevelDraft.h"
#include "support/TempFolder.h"
#include "world/LevelCaption.h"
#include "world/LevelReport.h"
#include "world/RemarkLines.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace
{
bool sameBits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Both files load into the same field, every value bit for bit, and with the same caption and the same
// solution for the level tool; with the same remarks to the letter when `wholeRemarks`.
void expectSamePlay(const std::string& fileA, const std::string& fileB, bool wholeRemarks = false)
{
    World a;
    World b;
    LevelReport reportA;
    LevelReport reportB;
    a.load(fileA, &reportA);
    b.load(fileB, &reportB);
    const auto& generatorsA = a.getGenerators();
    const auto& generatorsB = b.getGenerators();
    ASSERT_EQ(generatorsA.size(), generatorsB.size()) << fileA;
    for (std::size_t index = 0; index < generatorsA.size(); ++index)
    {
        const Generator& g = generatorsA[index];
        const Generator& h = generatorsB[index];
        EXPECT_TRUE(sameBits(g.position.x, h.position.x) && sameBits(g.position.y, h.position.y) &&
                    sameBits(g.velocity.x, h.velocity.x) && sameBits(g.velocity.y, h.velocity.y) &&
                    g.remaining == h.remaining)
            << fileA << " generator " << index;
    }
    ASSERT_EQ(a.getBodies().size(), b.getBodies().size()) << fileA;
    for (std::size_t index = 0; index < a.getBodies().size(); ++index)
    {
        const GravBody& c = a.getBodies()[index];
        const GravBody& d = b.getBodies()[index];
        EXPECT_TRUE(sameBits(c.position.x, d.position.x) && sameBits(c.position.y, d.position.y) &&
                    sameBits(c.radius, d.radius) && sameBits(c.strength, d.strength) &&
                    sameBits(c.spin, d.spin) && c.textureName == d.textureName)
            << fileA << " body " << index;
    }
    const LevelCaption captionA = LevelCaption::findIn(reportA.remarks);
    const LevelCaption captionB = LevelCaption::findIn(reportB.remarks);
    EXPECT_EQ(captionA.getTitle(), captionB.getTitle()) << fileA;
    EXPECT_EQ(captionA.getHint(), captionB.getHint()) << fileA;
    EXPECT_EQ(remarkLines(reportA.remarks, "SOLUTION"), remarkLines(reportB.remarks, "SOLUTION")) << fileA;
    EXPECT_TRUE(!wholeRemarks || reportA.remarks == reportB.remarks) << fileA;
}

std::string cutShort(const std::string& record, const std::string& field)
{
    return record + " is cut short at its " + field +
           ", a value missing, out of range or not a number: the game plays the record as far as it was read "
           "and ignores the rest of the file";
}

class LevelDraftOnDisk : public ::testing::Test
{
protected:
    // Writes the text as a file, reads it as a draft and writes the draft as another file.
    LevelDraft roundTrip(const std::string& content)
    {
        const LevelDraft draft = LevelDraft::read(folder.write("level.txt", content));
        folder.write("written.txt", draft.text());
        return draft;
    }
    std::string original() const { return folder.file("level.txt"); }
    std::string written() const { return folder.file("written.txt"); }

    TempFolder folder;
};
} // namespace

TEST_F(LevelDraftOnDisk, EveryShippedLevelIsWrittenBackToPlayTheSameWithItsCaptionAndSolution)
{
    int levels = 0;
    for (const auto& entry : std::filesystem::directory_iterator(LUMORA_SOURCE_DIR "/data/levels"))
    {
        const std::string name = entry.path().filename().string();
        if (name != "bg.txt" && name.rfind("level", 0) != 0)
            continue;
        const LevelDraft draft = LevelDraft::read(entry.path().string());
        EXPECT_TRUE(draft.getReadProblems().empty()) << name;
        folder.write("written.txt", draft.text());
        expectSamePlay(entry.path().string(), written(), true);
        EXPECT_EQ(LevelDraft::read(written()).text(), draft.text())
            << name << " is written otherwise once read back";
        ++levels;
    }
    EXPECT_GE(levels, 31);
    const LevelDraft first = LevelDraft::read(LUMORA_SOURCE_DIR "/data/levels/level1.txt");
    EXPECT_EQ(first.title, "First light");
    EXPECT_EQ(first.solution, "light 100 300");
    EXPECT_TRUE(first.playProblems().empty());
}

// Whatever a hand-written file holds, the draft plays as the file does, says what the game skips or cuts,
// and is written in the shipped layout.
TEST_F(LevelDraftOnDisk, AHandWrittenFileIsShownAsTheGamePlaysItAndWrittenInTheShippedLayout)
{
    const struct
    {
        const char* content;
        const char* text;
        std::vector<std::string> problems;
    } cases[] = {
        {"GRAVBODY 460 330 50 60 ./graphics/planet.png 0.2\nGENERATOR 40 430 2.2 0 160\n",
         "GENERATOR 40 430 2.2 0 160\nGRAVBODY 460 330 50 60 ./graphics/planet.png 0.2\n",
         {}},
        // Every digit a float needs, and no more: a tenth, the largest, the smallest, a negative zero.
        {"GENERATOR 0.1 3.4028235e38 1e-45 -0 7 GENERATOR 16777217 -2.0 0.30000001 1e-7 -3\n",
         "GENERATOR 0.1 340282346638528859811704183484516925440 "
         "0.000000000000000000000000000000000000000000001 -0 "
         "7\nGENERATOR 16777216 -2 0.3 0.0000001 -3\n",
         {}},
        {"note: GENERATOR 1 2 3 4 5.5 and so on\n",
         "GENERATOR 1 2 3 4 5\n",
         {"5 words that the game skips: note:, .5, and, so..."}},
        {"GENERATOR 1 2 3 4 2147483648 GENERATOR 1 2 3 4 5\n//REMARKS\nTITLE Lost\n",
         "GENERATOR 1 2 3 4 0\n",
         {cutShort("GENERATOR 1", "count")}},
        {"GRAVBODY 1 2 3 nan ./graphics/planet.png 0\n",
         "GRAVBODY 1 2 3 0 none 0\n",
         {cutShort("GRAVBODY 1", "strength")}},
        {"GRAVBODY 1 2 3 4", "GRAVBODY 1 2 3 4 none 0\n", {cutShort("GRAVBODY 1", "image")}},
        {"averyveryverylongwordofthirtyletters GENERATOR 1 1 1 1 1 1e39\n",
         "GENERATOR 1 1 1 1 1\n",
         {"2 words that the game skips: averyveryverylongwor..., 1e39"}},
        // Remarks keep every line but the keyword's empty rest; the first TITLE, HINT and SOLUTION are the
        // draft's, written in their place.
        {"//REMARKS A note\r\n HINT  Go  \nSOLUTION light 1 2\nTITLE Name\nTITLE Second\nend",
         "//REMARKS\n A note\r\nHINT Go\nSOLUTION light 1 2\nTITLE Name\nTITLE Second\nend\n",
         {}},
        {"//REMARKS\nTITLE\nTITLE Second\nTITLE Third\n",
         "//REMARKS\nTITLE\nTITLE Second\nTITLE Third\n",
         {}},
    };
    for (const auto& c : cases)
    {
        const LevelDraft draft = roundTrip(c.content);
        EXPECT_EQ(draft.text(), c.text) << c.content;
        EXPECT_EQ(draft.getReadProblems(), c.problems) << c.content;
        // The only difference a player could see: a picture named by no word at all.
        if (std::string(c.text).find(" none ") == std::string::npos)
            expectSamePlay(original(), written());
        EXPECT_EQ(LevelDraft::read(written()).text(), draft.text()) << c.content;
    }
    const LevelDraft comma = LevelDraft::parse("GENERATOR 1,5 2 3 4 5");
    ASSERT_EQ(comma.generators.size(), 1u);
    EXPECT_EQ(comma.text(), "GENERATOR 1 0 0 0 0\n")
        << "a decimal comma cuts the record short, as in the game";
}

TEST_F(LevelDraftOnDisk, TheCaptionAndSolutionAreWrittenInTheirLinesOrFirstAndAlwaysOnOneLine)
{
    LevelDraft draft = LevelDraft::parse("GENERATOR 1 2 3 4 70\n//REMARKS\nWhy.\nHINT Old hint\nMore.\n");
    EXPECT_EQ(draft.hint, "Old hint");
    draft.title = "New";
    draft.hint = "Two\nlines";
    draft.solution = "dark 3 4";
    EXPECT_EQ(draft.text(),
              "GENERATOR 1 2 3 4 70\n//REMARKS\nTITLE New\nSOLUTION dark 3 4\nWhy.\nHINT Two lines\nMore.\n");
    draft.hint.clear();
    EXPECT_EQ(LevelDraft::parse(draft.text()).hint, "");

    LevelDraft fresh;
    EXPECT_EQ(fresh.text(), "");
    fresh.solution = "light 10 20";
    EXPECT_EQ(fresh.text(), "//REMARKS\nSOLUTION light 10 20\n");
}

TEST_F(LevelDraftOnDisk, WhatKeepsALevelFromBeingWonIsSaid)
{
    const struct
    {
        const char* content;
        std::vector<std::string> problems;
    } cases[] = {
        {"GENERATOR 1 2 3 4 35 GENERATOR 1 2 3 4 35 GRAVBODY 1 2 3 4 ./graphics/planet.png 0", {}},
        {"GENERATOR 1 2 3 4 2147483647 GENERATOR 1 2 3 4 2147483647 GRAVBODY 1 2 3 4 ./graphics/moon.png 0",
         {"no planet, so nothing can be captured"}},
        {"GENERATOR 1 2 3 4 69 GENERATOR 1 2 3 4 -5 GRAVBODY 1 2 3 4 ./graphics/planet.png 0",
         {"fewer than 70 particles: 69 in all"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LevelDraft::parse(c.content).playProblems(), c.problems) << c.content;
}
