#include "sound/SoundHandler.h"

#include "ToneFiles.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <sys/stat.h>

// What plays is read from the real mixer on SDL's silent driver: its busy channels and its music hook.
namespace
{
class SoundHandlerTest : public ::testing::Test
{
protected:
    SoundHandlerTest() { setenv(AudioDevice::driverVariable, AudioDevice::silentDriver, 1); }

    // A copy of the file, cut to `fraction` of its bytes.
    std::string copyOf(const std::string& file, const std::string& name, double fraction = 1)
    {
        const std::string copy = folder.file(name);
        std::filesystem::copy_file(file, copy, std::filesystem::copy_options::overwrite_existing);
        std::filesystem::resize_file(copy, std::uintmax_t(std::filesystem::file_size(copy) * fraction));
        return copy;
    }

    TempFolder folder;
    // Long enough to be still playing when the test looks.
    const std::string click = writeToneMp3(folder, "click.mp3", 3.0);
    const std::string theme = writeToneMp3(folder, "theme.mp3", 1.0);
};
} // namespace

TEST_F(SoundHandlerTest, AnEffectIsMadeOnceAndPlaysOverItselfOnEveryFreeChannel)
{
    SoundHandler sound;
    sound.loadSound(click);
    EXPECT_EQ(Mix_Playing(-1), 0) << "loading plays nothing";
    std::filesystem::remove(click); // from here on only the cache can play it
    for (int i = 0; i <= AudioDevice::mixingChannels; ++i)
        sound.playSound(click);

    EXPECT_EQ(Mix_Playing(-1), AudioDevice::mixingChannels);
    EXPECT_EQ(sound.getPlaybackCount(click), AudioDevice::mixingChannels) << "one more found no channel";
}

TEST_F(SoundHandlerTest, MusicPlaysFromItsStartUntilOtherMusicReplacesItAndKeepsItsKind)
{
    SoundHandler sound;
    sound.playMusic(theme);
    // Until the mixer has pulled half a second of it (the test times out otherwise).
    while (sound.getMusicFramesPlayed() < 22050)
        SDL_Delay(10);
    void* const stream = Mix_GetMusicHookData();
    std::filesystem::remove(theme);
    sound.playMusic(theme);
    EXPECT_LT(sound.getMusicFramesPlayed(), 22050u) << "the music starts again";
    sound.playSound(theme);
    EXPECT_EQ(Mix_GetMusicHookData(), stream) << "from the cache, as music even when asked for as an effect";
    EXPECT_EQ(Mix_Playing(-1), 0);

    // An effect asked for as music plays once in the music's place and is stopped by the next music.
    sound.loadSound(click);
    sound.playMusic(click);
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_EQ(Mix_GetMusicHookData(), nullptr);
    sound.playMusic(theme);
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_EQ(Mix_GetMusicHookData(), stream);
}

TEST_F(SoundHandlerTest, FilesThatCannotPlayPlayNothingAndAreTriedAgainNextTime)
{
    // A FIFO would wait for a writer for ever.
    ASSERT_EQ(mkfifo(folder.file("fifo.mp3").c_str(), 0600), 0);
    SoundHandler sound;
    for (const std::string& file : {folder.file("late.mp3"), folder.write("empty.mp3", ""),
                                    folder.write("text.mp3", std::string(10000, 'x')),
                                    copyOf(click, "header.mp3", 0.004), folder.file("fifo.mp3")})
    {
        sound.playMusic(file);
        sound.loadSound(file);
        sound.playSound(file);
    }
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_EQ(Mix_GetMusicHookData(), nullptr);

    sound.playSound(copyOf(click, "late.mp3"));
    sound.playMusic(copyOf(click, "half.mp3", 0.5));
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_NE(Mix_GetMusicHookData(), nullptr);
}

TEST(AudioDevice, ADriverThatCannotOpenGivesWayToTheSilentOneAndStaysTheOneNamed)
{
    setenv(AudioDevice::driverVariable, "no-such-driver", 1);
    EXPECT_TRUE(AudioDevice().isOpen());
    EXPECT_STREQ(std::getenv(AudioDevice::driverVariable), "no-such-driver");
    setenv(AudioDevice::driverVariable, AudioDevice::silentDriver, 1);
}
