#include "game/SaveFile.h"
#include "game/Records.h"
#include "game/Settings.h"

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

// Without a save (a first run) nothing is said; a save that is there but cannot be used is named once, in
// one line with what CONTINUE does instead, and left as it is.
TEST_F(SaveFileOnDisk, ASaveThatCannotBeUsedIsNamedOnceAndLeftAsItIs)
{
    const auto told = []
    {
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(SaveFile::readLevel(), 1);
        return ::testing::internal::GetCapturedStderr();
    };
    const std::string ending = "/levels/save.txt holds no level number, so CONTINUE starts at level 1\n";
    EXPECT_EQ(told(), "");
    folder.write("levels/save.txt", "level 4\n");
    const std::string line = told();
    EXPECT_EQ(line.rfind("lumora: the save /", 0), 0u) << line;
    EXPECT_EQ(line.substr(line.size() - std::min(line.size(), ending.size())), ending);
    EXPECT_EQ(told(), "") << "said again";
    EXPECT_EQ(content(), "level 4\n");

    std::filesystem::remove(file("save.txt"));
    std::filesystem::create_symlink(folder.file("nowhere"), file("save.txt"));
    EXPECT_NE(told().find("save.txt cannot be read (No such file or directory), so"), std::string::npos);
    std::filesystem::remove(file("save.txt"));
    std::filesystem::create_directory(file("save.txt"));
    EXPECT_NE(told().find("save.txt is not a regular file, so"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(file("save.txt")));
}

TEST(PlayerFiles, RecordsAndSettingsKeepWhatIsWholeAndSkipEveryDamagedLine)
{
    const Records records = Records::parse("1 2\n7 0\n1 3\n\nlevel\n4 -1\n5 99999999999\n6 1 extra\n8 3\n"
                                           "my/a.b-c_d 4\nbad key 1\n");
    EXPECT_EQ(records.text(), "1 2\n7 0\n8 3\nmy/a.b-c_d 4\n")
        << "the fewest hearts of a level written twice";
    EXPECT_EQ(records.getDamagedLines(), 5);
    EXPECT_EQ(records.bestOf("1"), 2);
    EXPECT_FALSE(records.bestOf("3"));

    const Settings defaults = Settings::parse("");
    EXPECT_EQ(defaults.text(), "music 10\neffects 10\nfullscreen no\nask yes\n");
    const Settings read =
        Settings::parse("effects 3\nmusic 11\nfullscreen yes\nask maybe\nvolume 2\nmusic 0 0\n");
    EXPECT_EQ(read.text(), "music 10\neffects 3\nfullscreen yes\nask yes\n");
    EXPECT_EQ(read.damagedLines, 4);
}
