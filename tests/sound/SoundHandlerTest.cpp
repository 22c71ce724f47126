#include "sound/SoundHandler.h"

#include "ToneFiles.h"
#include "sound/AudioDevice.h"
#include "support/TempFolder.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include <sys/stat.h>

namespace
{
// Half a second of music at the mixer's rate.
constexpr std::uint64_t halfSecondFrames = 22050;

// The mixer pulls music on SDL's audio thread at the pace of the (dummy) device.
bool waitForMusicFrames(const SoundHandler& sound, std::uint64_t frames)
{
    for (int attempt = 0; attempt < 500 && sound.getMusicFramesPlayed() < frames; ++attempt)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return sound.getMusicFramesPlayed() >= frames;
}

// Effects and music written for each test, played on SDL's silent driver unless a test names another.
class SoundHandlerTest : public ::testing::Test
{
protected:
    SoundHandlerTest() { setenv(AudioDevice::driverVariable, AudioDevice::silentDriver, 1); }

    // A copy of the file, cut to `fraction` of its bytes.
    std::string copyOf(const std::string& file, const std::string& name, double fraction = 1)
    {
        const std::string copy = folder.file(name);
        std::filesystem::copy_file(file, copy, std::filesystem::copy_options::overwrite_existing);
        std::filesystem::resize_file(
            copy, static_cast<std::uintmax_t>(std::filesystem::file_size(copy) * fraction));
        return copy;
    }

    TempFolder folder;
    // Long enough to be still playing when the test looks.
    const std::string click = writeToneMp3(folder, "click.mp3", Tone{3.0, 880.0});
    const std::string theme = writeToneMp3(folder, "theme.mp3", Tone{1.0, 440.0});
};
} // namespace

TEST_F(SoundHandlerTest, AnEffectIsDecodedOnceWhetherLoadedOrPlayedAndItsPlaybacksOverlap)
{
    SoundHandler sound;
    ASSERT_TRUE(sound.isAudioOpen());
    sound.loadSound(click);
    sound.loadSound(click);
    EXPECT_TRUE(sound.isCached(click));
    EXPECT_EQ(Mix_Playing(-1), 0) << "loading plays nothing";

    sound.playSound(click);
    sound.playSound(click);
    EXPECT_EQ(sound.getCreationCount(click), 1);
    EXPECT_EQ(sound.getPlaybackCount(click), 2);
    EXPECT_EQ(Mix_Playing(-1), 2);
}

TEST_F(SoundHandlerTest, AMissingFileIsTriedAgainOnTheNextRequest)
{
    SoundHandler sound;
    const std::string lateEffect = folder.file("late-effect.mp3");
    const std::string lateMusic = folder.file("late-music.mp3");
    sound.playSound(lateEffect);
    sound.playMusic(lateMusic);
    EXPECT_FALSE(sound.isCached(lateEffect));
    EXPECT_FALSE(sound.isCached(lateMusic));
    EXPECT_FALSE(sound.isMusicPlaying());

    copyOf(click, "late-effect.mp3");
    copyOf(theme, "late-music.mp3");
    sound.playSound(lateEffect);
    sound.playMusic(lateMusic);
    EXPECT_EQ(sound.getCreationCount(lateEffect), 1);
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_EQ(sound.getCreationCount(lateMusic), 1);
    EXPECT_EQ(sound.getMusicName(), lateMusic);
}

TEST_F(SoundHandlerTest, PlayMusicAgainRestartsTheCachedStreamAndAnotherNameReplacesIt)
{
    SoundHandler sound;
    sound.playMusic(theme);
    ASSERT_TRUE(waitForMusicFrames(sound, halfSecondFrames)) << "the mixer never took the music";

    sound.playMusic(theme);
    EXPECT_LT(sound.getMusicFramesPlayed(), halfSecondFrames);
    EXPECT_EQ(sound.getCreationCount(theme), 1);
    EXPECT_EQ(sound.getPlaybackCount(theme), 2);

    const std::string other = writeToneMp3(folder, "other.mp3", Tone{1.0, 660.0});
    sound.playMusic(other);
    EXPECT_EQ(sound.getMusicName(), other);
    EXPECT_EQ(sound.getCreationCount(other), 1);
    EXPECT_TRUE(sound.isCached(theme));
    EXPECT_TRUE(waitForMusicFrames(sound, 1));
}

TEST_F(SoundHandlerTest, ANameKeepsTheKindItWasFirstCachedAs)
{
    SoundHandler sound;
    sound.playMusic(theme);
    sound.playSound(theme);
    EXPECT_EQ(sound.getCreationCount(theme), 1);
    EXPECT_EQ(sound.getMusicName(), theme) << "music asked for as an effect restarts as the music";
    EXPECT_EQ(Mix_Playing(-1), 0);

    // An effect asked for as music plays once in the music's place and is stopped by the next music.
    sound.loadSound(click);
    sound.playMusic(click);
    EXPECT_EQ(sound.getCreationCount(click), 1);
    EXPECT_EQ(Mix_Playing(-1), 1);
    sound.playMusic(theme);
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SoundHandlerTest, BrokenFilesPlayNothingAndNeverCrash)
{
    std::string text;
    while (text.size() < 10000)
        text += "not an mp3 at all\n";
    // A FIFO would wait for a writer for ever.
    const std::string fifo = folder.file("fifo.mp3");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    SoundHandler sound;
    for (const std::string& file : {folder.write("empty.mp3", ""), folder.write("text.mp3", text),
                                    copyOf(click, "header.mp3", 0.004), fifo})
    {
        sound.playMusic(file);
        sound.loadSound(file);
        sound.playSound(file);
        sound.update();
        EXPECT_FALSE(sound.isCached(file)) << file;
    }
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_FALSE(sound.isMusicPlaying());

    sound.playSound(copyOf(click, "half-effect.mp3", 0.5));
    sound.playMusic(copyOf(click, "half-music.mp3", 0.5));
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_TRUE(waitForMusicFrames(sound, halfSecondFrames));
}

TEST_F(SoundHandlerTest, AnUnusableDriverFallsBackToTheSilentOneAndWithoutAnyNothingPlays)
{
    setenv(AudioDevice::driverVariable, "nosuchdriver", 1);
    {
        SoundHandler sound;
        ASSERT_TRUE(sound.isAudioOpen());
        EXPECT_STREQ(std::getenv(AudioDevice::driverVariable), "nosuchdriver");
        sound.playSound(click);
        sound.playMusic(theme);
        EXPECT_EQ(Mix_Playing(-1), 1);
        EXPECT_TRUE(waitForMusicFrames(sound, 1));
    }
    SoundHandler sound("nosuchdriver");
    ASSERT_FALSE(sound.isAudioOpen());
    sound.playMusic(theme);
    sound.playSound(click);
    sound.update();
    EXPECT_EQ(sound.getCreationCount(theme), 1) << "sounds are still cached";
    EXPECT_EQ(sound.getPlaybackCount(click), 0);
    EXPECT_FALSE(sound.isMusicPlaying());
}
