#include "game/PlayerLevels.h"
#include "game/Records.h"
#include "support/TempFolder.h"
#include "world/LevelDraft.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace
{
constexpr char playable[] = "GENERATOR 50 300 3 0 100\nGRAVBODY 500 420 40 50 ./graphics/planet.png 0\n";

class PlayerLevelsFolder : public ::testing::Test
{
protected:
    std::string write(const std::string& name, const std::string& content)
    {
        return folder.write(std::string("mylevels/") + name, content);
    }
    std::string inFolder(const std::string& name) const { return folder.file("mylevels/" + name); }

    TempFolder folder;
    ScopedWorkingFolder inside{folder.path()};
};
} // namespace

// Whatever stands in the folder under a level's name is listed with what is wrong with it, and nothing of it
// is waited on or read whole.
TEST_F(PlayerLevelsFolder, EveryLevelNameIsListedInOrderWithItsProblemsAndNothingBlocks)
{
    EXPECT_TRUE(PlayerLevels::list().levels.empty()) << "no folder yet";
    write("b.txt", std::string(playable) + "//REMARKS\nTITLE Bee\n");
    write("a10.txt", playable);
    write("a9.txt", "GENERATOR 1 2 3 4 69 junk\nGRAVBODY 1 2 3 4 ./graphics/moon.png\n");
    std::string tokens;
    for (int token = 0; token < 100000; ++token)
        tokens += "x ";
    write("tokens.txt", tokens);
    fs::resize_file(write("huge.txt", ""), 100 << 20);
    fs::create_directory(inFolder("dir.txt"));
    ASSERT_EQ(mkfifo(inFolder("fifo.txt").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", inFolder("dev.txt"));
    fs::create_symlink("loop.txt", inFolder("loop.txt"));
    fs::create_symlink("nowhere", inFolder("gone.txt"));
    for (const char* unlisted : {"notes.md", ".hidden.txt", "b.txt.new", ".txt"})
        write(unlisted, playable);

    const struct
    {
        const char* name;
        const char* title;
        bool readable;
        std::vector<std::string> problems;
    } expected[] = {
        {"a9.txt",
         "",
         true,
         {"1 word that the game skips: junk",
          "GRAVBODY 1 is cut short at its spin, a value missing, out of range or not a number: the game "
          "plays "
          "the record as far as it was read and ignores the rest of the file",
          "no planet, so nothing can be captured", "fewer than 70 particles: 69 in all"}},
        {"a10.txt", "", true, {}},
        {"b.txt", "Bee", true, {}},
        {"dev.txt", "", false, {"it is not a regular file"}},
        {"dir.txt", "", false, {"it is not a regular file"}},
        {"fifo.txt", "", false, {"it is not a regular file"}},
        {"gone.txt", "", false, {"it cannot be read: No such file or directory"}},
        {"huge.txt", "", false, {"it is larger than 262144 bytes"}},
        {"loop.txt", "", false, {"it cannot be read: Too many levels of symbolic links"}},
        {"tokens.txt",
         "",
         true,
         {"100000 words that the game skips: x, x, x, x...", "no planet, so nothing can be captured",
          "fewer than 70 particles: 0 in all"}},
    };
    const PlayerLevels::Listing listing = PlayerLevels::list();
    ASSERT_EQ(listing.levels.size(), std::size(expected));
    EXPECT_EQ(listing.leftOut, 0u);
    for (std::size_t index = 0; index < listing.levels.size(); ++index)
    {
        const PlayerLevels::Entry& entry = listing.levels[index];
        EXPECT_EQ(entry.name, expected[index].name);
        EXPECT_EQ(entry.path, std::string("./mylevels/") + expected[index].name);
        EXPECT_EQ(entry.title, expected[index].title) << entry.name;
        EXPECT_EQ(entry.readable, expected[index].readable) << entry.name;
        EXPECT_EQ(entry.problems, expected[index].problems) << entry.name;
    }
}

TEST_F(PlayerLevelsFolder, AFolderOfManyLevelsListsTheFirstByNameAndCountsTheRest)
{
    for (std::size_t number = 1; number <= PlayerLevels::mostListed + 2; ++number)
        write("l" + std::to_string(number) + ".txt", playable);
    const PlayerLevels::Listing listing = PlayerLevels::list();
    ASSERT_EQ(listing.levels.size(), PlayerLevels::mostListed);
    EXPECT_EQ(listing.levels.back().name, "l" + std::to_string(PlayerLevels::mostListed) + ".txt");
    EXPECT_EQ(listing.leftOut, 2u);
}

TEST_F(PlayerLevelsFolder, LevelsAreSavedUnderFreeNamesCopiedInAndRemovedInTheFolderOfTheirOwn)
{
    LevelDraft draft = LevelDraft::parse(playable);
    draft.title = "Mine";
    const std::string first = PlayerLevels::freeName();
    EXPECT_EQ(first, "level1.txt");
    ASSERT_TRUE(PlayerLevels::save(draft, first)) << "the folder is made when missing";
    EXPECT_EQ(folder.read("mylevels/level1.txt"), draft.text());
    EXPECT_EQ(PlayerLevels::freeName(), "level2.txt");
    for (const std::string& name : std::vector<std::string>{"../level.txt", ".level.txt", "level.md", ".txt",
                                                            std::string(252, 'x') + ".txt"})
        EXPECT_FALSE(PlayerLevels::save(draft, name)) << name;
    EXPECT_FALSE(fs::exists(folder.file("level.txt")));

    const std::string shipped = LUMORA_SOURCE_DIR "/data/levels/level3.txt";
    EXPECT_EQ(PlayerLevels::copyIn(shipped), "level3.1.txt");
    EXPECT_EQ(PlayerLevels::copyIn(shipped), "level3.2.txt");
    EXPECT_EQ(folder.read("mylevels/level3.2.txt"), TempFolder().read(shipped))
        << "a copy is the file's bytes";
    EXPECT_EQ(PlayerLevels::copyIn(folder.path()), std::nullopt) << "a folder is no level";

    ASSERT_TRUE(PlayerLevels::writeTrial(draft));
    EXPECT_EQ(LevelDraft::read(PlayerLevels::trialFile).text(), draft.text());
    EXPECT_TRUE(PlayerLevels::remove("level3.1.txt"));
    EXPECT_FALSE(PlayerLevels::remove("level3.1.txt"));
    std::vector<std::string> names;
    for (const PlayerLevels::Entry& entry : PlayerLevels::list().levels)
        names.push_back(entry.name + " " + entry.title);
    EXPECT_EQ(names, (std::vector<std::string>{"level1.txt Mine", "level3.2.txt The black hole"}));

    // A file where the folder should be: nothing can be saved, and nothing is listed.
    fs::remove_all(folder.file("mylevels"));
    folder.write("mylevels", "");
    EXPECT_FALSE(PlayerLevels::save(draft, "level1.txt"));
    EXPECT_TRUE(PlayerLevels::list().levels.empty());
}

TEST(PlayerLevelsKeys, EveryNameHasARecordsKeyOfItsOwn)
{
    const std::pair<std::string, std::string> cases[] = {
        {"level1.txt", "my/level1.txt"},
        {"My level_2.txt", "my/My_20level_5f2.txt"},
        {"My_20level_5f2.txt", "my/My_5f20level_5f5f2.txt"},
        {"caf\xc3\xa9.txt", "my/caf_c3_a9.txt"},
    };
    for (const auto& [name, key] : cases)
    {
        EXPECT_EQ(PlayerLevels::recordsKey(name), key);
        EXPECT_EQ(Records::parse(key + " 3\n").bestOf(key), 3) << key;
    }
}
