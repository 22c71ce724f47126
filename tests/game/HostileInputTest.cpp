#include "engine/Core.h"
#include "game/GameHarness.h"
#include "game/ProcessGame.h"
#include "game/ProcessMenu.h"
#include "game/ProcessPlay.h"
#include "world/World.h"

#include <SDL.h>

#include <filesystem>
#include <random>
#include <string>

#include <sys/stat.h>

namespace
{
struct HostileLevel
{
    const char* name;
    std::string content;
};

std::string tokens(std::size_t bytes)
{
    std::string text;
    text.reserve(bytes + 16);
    while (text.size() < bytes)
        text += "GRAVITY 12.5 -3 ./graphics/planet.png ";
    return text;
}

std::string junk(std::size_t bytes)
{
    std::mt19937 random(7);
    std::string text(bytes, '\0');
    for (char& byte : text)
        byte = static_cast<char>(random());
    return text;
}

// What a careless or malicious level file may hold. Each must load, or be ignored, without a crash,
// and leave a game that plays on.
const HostileLevel hostileLevels[] = {
    {"not a number", "GENERATOR nan nan nan nan 90\nGRAVBODY nan 300 40 nan ./graphics/planet.png nan\n"},
    {"infinities", "GENERATOR inf -inf inf -inf 90\nGRAVBODY -inf inf inf inf ./graphics/planet.png inf\n"},
    {"beyond float", "GENERATOR 1e39 300 5 0 90\nGRAVBODY 400 -1e39 1e39 -1e39 ./graphics/planet.png 1e39\n"},
    {"negative radius", "GENERATOR 100 300 5 0 90\nGRAVBODY 400 300 -40 100 ./graphics/planet.png 1\n"},
    {"zero radius", "GENERATOR 100 300 5 0 90\nGRAVBODY 400 300 0 100 ./graphics/planet.png 1\n"},
    {"zero strength", "GENERATOR 100 300 5 0 90\nGRAVBODY 400 300 40 0 ./graphics/planet.png 0\n"},
    {"largest count", "GENERATOR 100 300 5 0 2147483647\nGRAVBODY 400 300 40 10 ./graphics/planet.png 1\n"},
    {"body on the generator", "GENERATOR 300 300 0 0 90\nGRAVBODY 300 300 0 500 ./graphics/planet.png 1\n"},
    {"ten megabytes of tokens", tokens(10 * 1024 * 1024)},
    {"binary junk", junk(64 * 1024)},
};

class HostileInput : public GameHarness
{
protected:
    // Plays the level in the first level's place for a while, hearts and all, and leaves it with Escape.
    void playAndLeave(const std::string& label)
    {
        SCOPED_TRACE(label);
        clickButton("NEW GAME");
        ASSERT_TRUE(showing<ProcessGame>());
        ASSERT_TRUE(runUntil([this] { return inPhase<ProcessPlay>(); }, 400));
        click(200, 450);
        click(600, 450, SDL_BUTTON_RIGHT);
        frames(300);
        releaseKey(SDLK_ESCAPE);
        ASSERT_TRUE(showing<ProcessMenu>());
    }
};
} // namespace

TEST_F(HostileInput, EveryHostileLevelLoadsOrIsIgnoredAndTheGamePlaysOn)
{
    ASSERT_TRUE(runUntil([this] { return showing<ProcessMenu>(); }));
    for (const HostileLevel& level : hostileLevels)
    {
        writeLevel("level1.txt", level.content);
        playAndLeave(level.name);
    }

    std::filesystem::remove(folder.file("levels/level1.txt"));
    std::filesystem::create_directory(folder.file("levels/level1.txt"));
    playAndLeave("a folder in the level file's place");
    std::filesystem::remove(folder.file("levels/level1.txt"));
    ASSERT_EQ(mkfifo(folder.file("levels/level1.txt").c_str(), 0600), 0);
    playAndLeave("a FIFO in the level file's place");

    // A good level afterwards plays as it should, and a FIFO as the next level is no level.
    std::filesystem::rename(folder.file("levels/level1.txt"), folder.file("levels/level2.txt"));
    writeLevel("level1.txt", quickLevel());
    clickButton("NEW GAME");
    ASSERT_TRUE(runUntil([this] { return onScreen("CONGRATULATIONS! YOU WON THE GAME!!"); }, 1500));
}

TEST_F(HostileInput, AnyUnusableSaveStartsTheFirstLevel)
{
    writeLevel("level1.txt", quickLevel());
    ASSERT_TRUE(runUntil([this] { return showing<ProcessMenu>(); }));
    const std::pair<const char*, std::string> saves[] = {{"empty", ""},
                                                         {"negative", "-3\n"},
                                                         {"huge", std::string(4 * 1024 * 1024, '9')},
                                                         {"binary", junk(4096)}};
    for (const auto& [name, content] : saves)
    {
        SCOPED_TRACE(name);
        writeLevel("save.txt", content);
        clickButton("CONTINUE");
        EXPECT_TRUE(onScreen("LEVEL 1 STARTING IN 2"));
        releaseKey(SDLK_ESCAPE);
    }
}

TEST_F(HostileInput, TheLargestLevelNumberIsTheLastLevel)
{
    // Were the number to wrap round, the game would go on to this empty level, which never ends.
    writeLevel("level-2147483648.txt", "");
    writeLevel("level2147483647.txt", quickLevel());
    writeLevel("save.txt", "2147483647\n");
    ASSERT_TRUE(runUntil([this] { return showing<ProcessMenu>(); }));
    clickButton("CONTINUE");
    ASSERT_TRUE(runUntil([this] { return onScreen("CONGRATULATIONS! YOU WON THE GAME!!"); }, 1500));
}
