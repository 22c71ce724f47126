#include "sound/SoundHandler.h"

#include "ToneFiles.h"
#include "sound/AudioDevice.h"
#include "support/TempFolder.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <thread>

namespace
{
// Half a second of music at the mixer's rate.
constexpr std::uint64_t halfSecondFrames = 22050;

// Names the audio driver SDL is to use while it lives.
class ScopedDriver
{
public:
    explicit ScopedDriver(const char* driver)
    {
        if (const char* value = std::getenv(AudioDevice::driverVariable))
            previous = value;
        setenv(AudioDevice::driverVariable, driver, 1);
    }
    ~ScopedDriver()
    {
        if (previous)
            setenv(AudioDevice::driverVariable, previous->c_str(), 1);
        else
            unsetenv(AudioDevice::driverVariable);
    }
    ScopedDriver(const ScopedDriver&) = delete;
    ScopedDriver& operator=(const ScopedDriver&) = delete;

private:
    std::optional<std::string> previous;
};

// The mixer pulls music on SDL's audio thread at the pace of the (dummy) device.
bool waitForMusicFrames(const SoundHandler& sound, std::uint64_t frames)
{
    for (int attempt = 0; attempt < 500 && sound.getMusicFramesPlayed() < frames; ++attempt)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return sound.getMusicFramesPlayed() >= frames;
}

class SoundHandlerTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder = new TempFolder();
        // Long enough to be still playing when the test looks.
        click = writeToneMp3(*folder, "click.mp3", Tone{3.0, 880.0});
        theme = writeToneMp3(*folder, "theme.mp3", Tone{1.0, 440.0});
        other = writeToneMp3(*folder, "other.mp3", Tone{1.0, 660.0});
    }
    static void TearDownTestSuite()
    {
        delete folder;
        folder = nullptr;
    }

    ScopedDriver driver{"dummy"};
    static TempFolder* folder;
    static std::string click;
    static std::string theme;
    static std::string other;
};

TempFolder* SoundHandlerTest::folder = nullptr;
std::string SoundHandlerTest::click;
std::string SoundHandlerTest::theme;
std::string SoundHandlerTest::other;
} // namespace

TEST_F(SoundHandlerTest, RepeatedEffectsShareOneDecodeAndOverlap)
{
    SoundHandler sound;
    ASSERT_TRUE(sound.isAudioOpen());
    sound.playSound(click);
    sound.playSound(click);
    EXPECT_EQ(sound.getCreationCount(click), 1);
    EXPECT_EQ(sound.getPlaybackCount(click), 2);
    EXPECT_EQ(Mix_Playing(-1), 2);
}

TEST_F(SoundHandlerTest, LoadSoundDecodesOnceAndPlaysNothing)
{
    SoundHandler sound;
    sound.loadSound(click);
    sound.loadSound(click);
    EXPECT_TRUE(sound.isCached(click));
    EXPECT_EQ(sound.getPlaybackCount(click), 0);
    EXPECT_EQ(Mix_Playing(-1), 0);

    sound.playSound(click);
    EXPECT_EQ(sound.getCreationCount(click), 1);
    EXPECT_EQ(sound.getPlaybackCount(click), 1);
    EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST_F(SoundHandlerTest, AMissingFileIsTriedAgainOnTheNextRequest)
{
    SoundHandler sound;
    const std::string lateEffect = folder->file("late-effect.mp3");
    const std::string lateMusic = folder->file("late-music.mp3");
    sound.playSound(lateEffect);
    sound.playMusic(lateMusic);
    EXPECT_FALSE(sound.isCached(lateEffect));
    EXPECT_FALSE(sound.isCached(lateMusic));
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_FALSE(sound.isMusicPlaying());

    folder->write("late-effect.mp3", readFile(click));
    folder->write("late-music.mp3", readFile(theme));
    sound.playSound(lateEffect);
    sound.playMusic(lateMusic);
    EXPECT_EQ(sound.getCreationCount(lateEffect), 1);
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_EQ(sound.getCreationCount(lateMusic), 1);
    EXPECT_TRUE(sound.isMusicPlaying());
    EXPECT_EQ(sound.getMusicName(), lateMusic);
}

TEST_F(SoundHandlerTest, PlayMusicAgainRestartsTheCachedStreamAndAnotherNameSwitches)
{
    SoundHandler sound;
    sound.playMusic(theme);
    ASSERT_TRUE(sound.isMusicPlaying());
    ASSERT_TRUE(waitForMusicFrames(sound, halfSecondFrames)) << "the mixer never took the music";

    sound.playMusic(theme);
    EXPECT_LT(sound.getMusicFramesPlayed(), halfSecondFrames);
    EXPECT_EQ(sound.getCreationCount(theme), 1);
    EXPECT_EQ(sound.getPlaybackCount(theme), 2);
    EXPECT_EQ(sound.getMusicName(), theme);

    sound.playMusic(other);
    EXPECT_EQ(sound.getMusicName(), other);
    EXPECT_EQ(sound.getCreationCount(other), 1);
    EXPECT_EQ(sound.getPlaybackCount(theme), 2);
    EXPECT_TRUE(sound.isCached(theme));
    EXPECT_TRUE(waitForMusicFrames(sound, 1));
}

TEST_F(SoundHandlerTest, ANameKeepsTheKindItWasFirstCachedAs)
{
    SoundHandler sound;
    sound.playMusic(theme);
    sound.loadSound(theme);
    sound.playSound(theme);
    EXPECT_EQ(sound.getCreationCount(theme), 1);
    EXPECT_EQ(sound.getPlaybackCount(theme), 2);
    EXPECT_EQ(sound.getMusicName(), theme);
    EXPECT_EQ(Mix_Playing(-1), 0);

    // An effect asked for as music plays once in the music's place and is stopped by the next music.
    sound.loadSound(click);
    sound.playMusic(click);
    EXPECT_EQ(sound.getCreationCount(click), 1);
    EXPECT_TRUE(sound.isMusicPlaying());
    EXPECT_EQ(sound.getMusicName(), click);
    EXPECT_EQ(Mix_Playing(-1), 1);
    sound.playMusic(theme);
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_EQ(sound.getMusicName(), theme);
}

TEST_F(SoundHandlerTest, BrokenFilesPlayNothingAndNeverCrash)
{
    std::string text;
    while (text.size() < 10000)
        text += "not an mp3 at all\n";
    const std::string whole = readFile(click);
    const std::string broken[] = {folder->write("empty.mp3", ""), folder->write("text.mp3", text),
                                  folder->write("header-only.mp3", whole.substr(0, 200))};
    SoundHandler sound;
    for (const std::string& file : broken)
    {
        sound.playMusic(file);
        sound.loadSound(file);
        sound.playSound(file);
        sound.update();
        EXPECT_FALSE(sound.isCached(file)) << file;
    }
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_FALSE(sound.isMusicPlaying());

    const std::string halfEffect = folder->write("half-effect.mp3", whole.substr(0, whole.size() / 2));
    const std::string halfMusic = folder->write("half-music.mp3", whole.substr(0, whole.size() / 2));
    sound.playSound(halfEffect);
    sound.playMusic(halfMusic);
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_TRUE(waitForMusicFrames(sound, halfSecondFrames));
}

TEST_F(SoundHandlerTest, AnUnusableDriverFallsBackToTheSilentOne)
{
    ScopedDriver unusable("nosuchdriver");
    SoundHandler sound;
    ASSERT_TRUE(sound.isAudioOpen());
    EXPECT_STREQ(std::getenv(AudioDevice::driverVariable), "nosuchdriver");
    sound.playSound(click);
    sound.playMusic(theme);
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_TRUE(waitForMusicFrames(sound, 1));
}

TEST_F(SoundHandlerTest, WithoutAnyDeviceSoundsAreCachedButNothingPlays)
{
    ScopedDriver unusable("nosuchdriver");
    SoundHandler sound("nosuchdriver");
    ASSERT_FALSE(sound.isAudioOpen());
    sound.playMusic(theme);
    sound.playSound(click);
    sound.playSound(click);
    sound.playSound(folder->file("nothing.mp3"));
    sound.update();
    EXPECT_EQ(sound.getCreationCount(theme), 1);
    EXPECT_EQ(sound.getCreationCount(click), 1);
    EXPECT_EQ(sound.getPlaybackCount(click), 0);
    EXPECT_FALSE(sound.isMusicPlaying());
    EXPECT_FALSE(sound.isCached(folder->file("nothing.mp3")));
    EXPECT_EQ(sound.getMusicFramesPlayed(), 0u);
}
