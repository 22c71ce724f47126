#include "game/SaveFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace
{
int parse(const std::string& text)
{
    std::istringstream in(text);
    return SaveFile::parseLevel(in);
}

class SaveFileOnDisk : public ::testing::Test
{
protected:
    SaveFileOnDisk() { folder.write("levels/.keep", ""); }

    std::string content() const
    {
        std::ifstream in(folder.file("levels/save.txt"));
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    TempFolder folder;
    ScopedWorkingFolder inside{folder.path()};
};
} // namespace

TEST(SaveFileText, ReadsTheLeadingNumberOrFallsBackToTheFirstLevel)
{
    EXPECT_EQ(parse("3\n"), 3);
    EXPECT_EQ(parse("  12 and the rest"), 12);
    EXPECT_EQ(parse("1"), 1);
    EXPECT_EQ(parse(""), 1);
    EXPECT_EQ(parse("level 4"), 1);
    EXPECT_EQ(parse("0\n"), 1);
    EXPECT_EQ(parse("-7\n"), 1);
    EXPECT_EQ(parse("99999999999999999999"), 1);
    EXPECT_EQ(parse(std::string("\x00\xff\x13", 3)), 1);
}

TEST_F(SaveFileOnDisk, AWrittenLevelReadsBack)
{
    EXPECT_EQ(SaveFile::readLevel(), 1) << "no save yet";
    ASSERT_TRUE(SaveFile::writeLevel(7));
    EXPECT_EQ(content(), "7\n");
    EXPECT_EQ(SaveFile::readLevel(), 7);
    ASSERT_TRUE(SaveFile::writeLevel(12));
    EXPECT_EQ(SaveFile::readLevel(), 12);
    std::filesystem::remove(folder.file("levels/save.txt"));
    ASSERT_EQ(mkfifo(folder.file("levels/save.txt").c_str(), 0600), 0);
    EXPECT_EQ(SaveFile::readLevel(), 1) << "a FIFO is no save, and reading it must not wait for a writer";
    ASSERT_TRUE(SaveFile::writeLevel(12));
    EXPECT_FALSE(std::filesystem::exists(folder.file(std::string("levels/save.txt.new"))));
}

TEST_F(SaveFileOnDisk, AFailedWriteLeavesTheOldSaveWhole)
{
    ASSERT_TRUE(SaveFile::writeLevel(4));
    // Something in the way of the new file stands for a full disk or a broken folder.
    std::filesystem::create_directory(folder.file("levels/save.txt.new"));
    EXPECT_FALSE(SaveFile::writeLevel(5));
    EXPECT_EQ(content(), "4\n");
    EXPECT_EQ(SaveFile::readLevel(), 4);
}

TEST_F(SaveFileOnDisk, WhatStandsInTheNewFilesPlaceIsReplacedNeverWrittenThrough)
{
    const std::string outside = folder.write("outside.txt", "theirs\n");
    std::filesystem::create_symlink(outside, folder.file("levels/save.txt.new"));
    ASSERT_TRUE(SaveFile::writeLevel(6));
    std::filesystem::create_hard_link(outside, folder.file("levels/save.txt.new"));
    ASSERT_TRUE(SaveFile::writeLevel(7));
    EXPECT_FALSE(std::filesystem::is_symlink(folder.file("levels/save.txt")));
    EXPECT_EQ(content(), "7\n");
    std::ifstream in(outside);
    std::string untouched;
    EXPECT_TRUE(std::getline(in, untouched) && untouched == "theirs");
}

TEST_F(SaveFileOnDisk, WithoutALevelsFolderNothingIsWrittenAndNothingBreaks)
{
    std::filesystem::remove_all(folder.file("levels"));
    EXPECT_FALSE(SaveFile::writeLevel(3));
    EXPECT_EQ(SaveFile::readLevel(), 1);
}
