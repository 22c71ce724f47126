#include "game/SaveFile.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

namespace
{
class SaveFileOnDisk : public ::testing::Test
{
protected:
    SaveFileOnDisk() { folder.write("levels/.keep", ""); }
    std::string content() const { return folder.read("levels/save.txt"); }
    std::string file(const char* name) const { return folder.file(std::string("levels/") + name); }
    TempFolder folder;
    ScopedWorkingFolder inside{folder.path()};
};
} // namespace

TEST_F(SaveFileOnDisk, AWriteGoesThroughAFreshFileAndAFailedOneLeavesTheOldSaveWhole)
{
    EXPECT_EQ(SaveFile::readLevel(), 1) << "no save yet";
    ASSERT_TRUE(SaveFile::writeLevel(4));
    EXPECT_EQ(content(), "4\n");
    EXPECT_EQ(SaveFile::readLevel(), 4);
    EXPECT_FALSE(std::filesystem::exists(file("save.txt.new")));

    // Something in the way of the new file stands for a full disk or a broken folder; the failed write
    // leaves nothing of the new file behind.
    std::filesystem::create_directory(file("save.txt.new"));
    EXPECT_FALSE(SaveFile::writeLevel(5));
    EXPECT_EQ(content(), "4\n");
    EXPECT_FALSE(std::filesystem::exists(file("save.txt.new")));

    // A link in the new file's place is replaced, never written through.
    const std::string outside = folder.write("outside.txt", "theirs\n");
    std::filesystem::create_symlink(outside, file("save.txt.new"));
    ASSERT_TRUE(SaveFile::writeLevel(6));
    std::filesystem::create_hard_link(outside, file("save.txt.new"));
    ASSERT_TRUE(SaveFile::writeLevel(7));
    EXPECT_FALSE(std::filesystem::is_symlink(file("save.txt")));
    EXPECT_EQ(content(), "7\n");
    EXPECT_EQ(std::filesystem::file_size(outside), 7u) << "the outside file was written through";

    // A FIFO is no save, and reading it must not wait for a writer.
    std::filesystem::remove(file("save.txt"));
    ASSERT_EQ(mkfifo(file("save.txt").c_str(), 0600), 0);
    EXPECT_EQ(SaveFile::readLevel(), 1);

    std::filesystem::remove_all(folder.file("levels"));
    EXPECT_FALSE(SaveFile::writeLevel(3));
    EXPECT_EQ(SaveFile::readLevel(), 1);
}
