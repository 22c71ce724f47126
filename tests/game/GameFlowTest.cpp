#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "engine/FramePacer.h"
#include "engine/MainLoop.h"
#include "engine/ProcessManager.h"
#include "engine/StringConversion.h"
#include "game/ButtonId.h"
#include "game/GeneratorSigns.h"
#include "game/ProcessCongratulations.h"
#include "game/ProcessCountdown.h"
#include "game/ProcessGame.h"
#include "game/ProcessIntro.h"
#include "game/ProcessLevelUp.h"
#include "game/ProcessLevels.h"
#include "game/ProcessMain.h"
#include "game/ProcessMenu.h"
#include "game/ProcessPlay.h"
#include "game/ScreenLayout.h"
#include "graphics/Interface.h"
#include "graphics/PlayField.h"
#include "sound/SoundHandler.h"
#include "support/CoreAccess.h"
#include "support/CoreFixture.h"
#include "support/GlWindow.h"
#include "support/ManualClock.h"
#include "support/Recorder.h"
#include "support/SkippedFrameAudit.h"
#include "support/TempFolder.h"
#include "widgets/Clickable.h"
#include "widgets/Label.h"
#include "widgets/Meter.h"
#include "widgets/TextButton.h"
#include "widgets/TileButton.h"
#include "world/HeartKinds.h"
#include "world/LevelRules.h"
#include "world/World.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <limits>
#include <tuple>

namespace
{
// A field point just inside each button's caption, from the screens' own layout.
// The whole game in-process, frame by frame as the main loop runs it: a working folder with small test
// levels, a real window for the textures, both clocks driven by hand and input posted as the main loop
// posts it, one event a frame. Times are milliseconds of game time.
class GameFlow : public CoreFixture
{
protected:
    static constexpr std::uint32_t frameMilliseconds = FramePacer::frameMilliseconds;

    void SetUp() override
    {
        CoreFixture::SetUp();
        // The game's own pictures, so that every frame shows what a player sees.
        std::filesystem::create_directory_symlink(LUMORA_SOURCE_DIR "/data/graphics",
                                                  folder.file("graphics"));
        writeLevel("bg.txt", "GRAVBODY 400 300 40 0 ./graphics/planet.png 1\n");
        writeLevel("level1.txt", quickLevel());
        writeLevel("level2.txt", quickLevel());
        Core::instance()->init(ProcessMain::setup());
        loop.setFrameAudit(&audit);
    }
    // Every frame the tests run is drawn as the main loop draws it, and none it skips differs from the one
    // on screen.
    void TearDown() override
    {
        EXPECT_GT(audit.getSkippedFrames(), 0) << "no frame was left undrawn, so the rule was never tried";
        for (const std::string& fault : audit.getFaults())
            ADD_FAILURE() << fault;
        CoreFixture::TearDown();
    }
    void writeLevel(const std::string& name, const std::string& content)
    {
        folder.write("levels/" + name, content);
    }
    // Three streams straight into a planet: exactly the goal's 70 particles, all captured within 2 s.
    static std::string quickLevel()
    {
        return "GENERATOR 100 290 5 0 24\nGENERATOR 100 300 5 0 23\nGENERATOR 100 310 5 0 23\n"
               "GRAVBODY 400 300 40 0 ./graphics/planet.png 2\n//REMARKS\nTITLE Quick\n";
    }

    void frame(std::uint32_t milliseconds = frameMilliseconds)
    {
        clock.advance(milliseconds);
        Core::instance()->update();
        loop.drawFrame();
    }
    // Runs frames until the condition holds, for at most `milliseconds`; false if it never did.
    bool waitUntil(const std::function<bool()>& condition, std::uint32_t milliseconds = 20000)
    {
        for (std::uint32_t waited = 0; waited < milliseconds && !condition(); waited += frameMilliseconds)
            frame();
        return condition();
    }
    void wait(std::uint32_t milliseconds)
    {
        waitUntil([] { return false; }, milliseconds);
    }
    void reachMenu()
    {
        ASSERT_TRUE(waitUntil([this] { return showing<ProcessMenu>(); }));
    }
    void reachPlay()
    {
        ASSERT_TRUE(waitUntil([this] { return inPhase<ProcessPlay>(); }, 4000));
    }
    void reachLevelComplete()
    {
        reachPlay();
        ASSERT_TRUE(waitUntil([this] { return onScreen("LEVEL COMPLETE!!"); }));
    }

    // Input at a field point (y up), handed over in window pixels (y down) as SDL gives it; a frame each.
    void click(int x, int y, int button = SDL_BUTTON_LEFT)
    {
        post(MouseMove, {x, PlayField::yFromWindow(y)});
        post(MouseDown, {x, PlayField::yFromWindow(y), button});
        post(MouseUp, {x, PlayField::yFromWindow(y), button});
    }
    // Clicks the button of that id where it is on screen: the first field point, on a grid from the top
    // left, that it takes clicks at.
    void clickButton(int buttonId)
    {
        for (Clickable* button : widgets<Clickable>())
            for (int y = PlayField::height - 2; button->getId() == buttonId && y > 0; y -= 4)
                for (int x = 2; x < PlayField::width; x += 4)
                    if (button->contains(static_cast<float>(x), static_cast<float>(y)))
                        return click(x, y);
        ADD_FAILURE() << "no button " << buttonId << " on screen";
    }
    void key(int type, int symbol = SDLK_ESCAPE) { post(type, {symbol}); }
    void post(int type, std::initializer_list<int> parameters)
    {
        Event event(type);
        for (int parameter : parameters)
            event.addParameter(intToString(parameter));
        Core::instance()->getEventManager()->post(event);
        frame();
    }

    // The newest screen under the root game process, and the game screen's newest phase.
    static Handle<Process> newest(const Handle<Process>& parent)
    {
        return parent && !parent->getChildren().empty() ? parent->getChildren().back() : nullptr;
    }
    Handle<Process> screen() const
    {
        const auto top = CoreAccess::root()->getChildren();
        return top.empty() ? nullptr : newest(top.front());
    }
    template <typename T>
    bool showing() const
    {
        return dynamic_cast<T*>(screen().get());
    }
    template <typename T>
    bool inPhase() const
    {
        return dynamic_cast<T*>(newest(screen()).get());
    }
    template <typename T>
    std::vector<T*> widgets() const
    {
        std::vector<T*> found;
        for (const Handle<Widget>& widget : Core::instance()->getInterface()->getWidgets())
            if (auto* typed = dynamic_cast<T*>(widget.get()))
                found.push_back(typed);
        return found;
    }
    std::string label(std::size_t index) const { return widgets<Label>().at(index)->getText(); }
    bool onScreen(const std::string& text) const
    {
        for (Label* shown : widgets<Label>())
            for (const std::string& line : shown->getLines())
                if (line == text)
                    return true;
        return false;
    }
    bool buttonAt(int x, int y) const
    {
        for (TextButton* button : widgets<TextButton>())
            if (button->contains(static_cast<float>(x), static_cast<float>(y)))
                return true;
        return false;
    }
    std::string saveFile() const { return folder.read("levels/save.txt"); }
    Handle<World> world() const { return Core::instance()->getWorld(); }

    GlWindow window;
    MainLoop loop{GameSetup()};
    SkippedFrameAudit audit;
    ManualClock clock;
    TempFolder folder;
    ScopedWorkingFolder inGameFolder{folder.path()};
};
} // namespace

TEST_F(GameFlow, TheLogoForTwoSecondsThenTheMenuItsInstructionsAndQuit)
{
    const std::uint32_t start = clock.now();
    ASSERT_TRUE(showing<ProcessIntro>());
    wait(1000);
    click(400, 300);
    key(KeyUp);
    reachMenu();
    EXPECT_EQ(clock.now() - start, ProcessIntro::durationMilliseconds) << "input cut the logo short";

    EXPECT_TRUE(onScreen("LUMORA"));
    EXPECT_EQ(world()->getBodies().size(), 1u) << "the background level";
    // Centred: "NEW GAME" from (328, 400), "QUIT" down to (435, 241); one step beyond is off the button.
    for (const auto& [x, y, on] : {std::tuple{328, 400, true},
                                   {471, 361, true},
                                   {327, 400, false},
                                   {435, 241, true},
                                   {436, 260, false}})
        EXPECT_EQ(buttonAt(x, y), on) << x << "," << y;

    clickButton(Instructions);
    EXPECT_FALSE(onScreen("LUMORA"));
    EXPECT_EQ(widgets<Widget>().size(), 2u) << "the picture and BACK alone";
    clickButton(Back);
    EXPECT_EQ(widgets<Widget>().size(), 9u) << "the menu again, without BACK";
    clickButton(Quit);
    EXPECT_FALSE(CoreAccess::isRunning());
}

TEST_F(GameFlow, ALevelCountsDownTakesHeartsOnlyInPlayAndIsWonAtExactlyTheGoal)
{
    std::vector<std::string> log;
    Handle<Recorder> goals(new Recorder("goal", log));
    Core::instance()->getEventManager()->addListener(goals, LevelGoalReached);
    reachMenu();
    clickButton(NewGame);
    EXPECT_EQ(saveFile(), "") << "starting a level writes nothing";
    EXPECT_EQ(label(0), "5");
    EXPECT_EQ(label(1), "5");

    // The count steps once a second and a late frame makes only one step; the field stands still.
    click(200, 500);
    wait(950);
    EXPECT_TRUE(onScreen("LEVEL 1 STARTING IN 2"));
    frame(1500);
    EXPECT_TRUE(onScreen("LEVEL 1 STARTING IN 1"));
    wait(990);
    EXPECT_TRUE(onScreen("LEVEL 1 STARTING IN 1"));
    frame();
    EXPECT_TRUE(onScreen("LEVEL 1 STARTING IN 0"));
    wait(990);
    EXPECT_TRUE(inPhase<ProcessCountdown>());
    EXPECT_EQ(world()->getBodies().size(), 1u) << "a heart placed during the countdown";
    EXPECT_TRUE(world()->getParticles().empty());
    frame();
    EXPECT_TRUE(inPhase<ProcessPlay>());

    // Left is light, right is dark, the middle button nothing; none on the bottom bar, just above it yes.
    click(200, 500);
    click(300, ScreenLayout::bottomBarTop);
    click(600, ScreenLayout::bottomBarTop + 1, SDL_BUTTON_RIGHT);
    click(650, 150, SDL_BUTTON_RIGHT);
    click(600, 150, SDL_BUTTON_MIDDLE);
    frame();
    ASSERT_EQ(world()->getBodies().size(), 4u);
    const GravBody& light = world()->getBodies()[1];
    EXPECT_EQ(light.position.x, 200);
    EXPECT_EQ(light.position.y, 500);
    EXPECT_EQ(light.strength, HeartKinds::all[0].strength);
    EXPECT_EQ(world()->getBodies()[2].strength, HeartKinds::all[1].strength);
    EXPECT_EQ(label(0), "4") << "light hearts left";
    EXPECT_EQ(label(1), "3") << "dark hearts left";

    ASSERT_TRUE(waitUntil([this] { return onScreen("LEVEL COMPLETE!!"); }));
    EXPECT_EQ(world()->getCapturedCount(), 70);
    EXPECT_EQ(saveFile(), "2\n") << "saved at once, so that Escape now keeps the win";
    frame();
    EXPECT_FLOAT_EQ(widgets<Meter>().at(0)->value, 1);
    const float angle = world()->getBodies()[0].angle;
    wait(1900);
    EXPECT_EQ(world()->getBodies()[0].angle, angle) << "the field runs on after the goal";
    EXPECT_TRUE(onScreen("LEVEL COMPLETE!!"));
    ASSERT_TRUE(waitUntil([this] { return onScreen("LEVEL 2 STARTING IN 2"); }, 100));
    EXPECT_EQ(world()->getCapturedCount(), 0);
    EXPECT_EQ(log, std::vector<std::string>{"goal:LevelGoalReached"});
    Core::instance()->getEventManager()->removeListener(goals, LevelGoalReached);
}

TEST_F(GameFlow, RestartActsOnlyInPlayAndEscapeReleasedLeaves)
{
    reachMenu();
    clickButton(NewGame);
    wait(500);
    clickButton(RestartLevel);
    wait(500);
    EXPECT_TRUE(onScreen("LEVEL 1 STARTING IN 1")) << "restart during the countdown";
    reachPlay();
    click(200, 500);
    click(600, 500, SDL_BUTTON_RIGHT);
    // The release over the button, on the bottom bar, places no heart; the restart loads the level again.
    clickButton(RestartLevel);
    EXPECT_TRUE(onScreen("LEVEL 1 STARTING IN 2"));
    EXPECT_EQ(world()->getBodies().size(), 1u);
    frame();
    EXPECT_EQ(label(0), "5");
    EXPECT_EQ(label(1), "5");
    reachLevelComplete();
    clickButton(RestartLevel);
    EXPECT_TRUE(inPhase<ProcessLevelUp>()) << "restart during level complete";

    // Escape leaves on its release; the other scenarios leave the countdown, play and the congratulations.
    key(KeyDown);
    EXPECT_TRUE(showing<ProcessGame>()) << "a press alone left";
    key(KeyUp);
    EXPECT_TRUE(showing<ProcessMenu>());
    EXPECT_FALSE(onScreen("LEVEL COMPLETE!!"));
}

TEST_F(GameFlow, ContinueStartsTheSavedLevelAndTheLastLevelEndsTheGame)
{
    const std::pair<const char*, const char*> saves[] = {{nullptr, "LEVEL 1 STARTING IN 2"},
                                                         {"3\n", "LEVEL 3 STARTING IN 2"},
                                                         {"  12 and more", "LEVEL 12 STARTING IN 2"},
                                                         {"garbage", "LEVEL 1 STARTING IN 2"},
                                                         {"0", "LEVEL 1 STARTING IN 2"},
                                                         {"-3\n", "LEVEL 1 STARTING IN 2"},
                                                         {"99999999999999999999", "LEVEL 1 STARTING IN 2"}};
    reachMenu();
    for (const auto& [saved, expected] : saves)
    {
        if (saved)
            writeLevel("save.txt", saved);
        clickButton(Continue);
        EXPECT_TRUE(onScreen(expected)) << "save holding " << (saved ? saved : "nothing");
        key(KeyUp);
    }

    // After the last level the congratulations show for four seconds, then the menu.
    writeLevel("save.txt", "2\n");
    clickButton(Continue);
    reachLevelComplete();
    ASSERT_TRUE(waitUntil([this] { return onScreen("CONGRATULATIONS! YOU WON THE GAME!!"); }, 3000));
    wait(ProcessCongratulations::durationMilliseconds - 50);
    EXPECT_TRUE(showing<ProcessGame>());
    ASSERT_TRUE(waitUntil([this] { return showing<ProcessMenu>(); }, 100));
    EXPECT_EQ(saveFile(), "2\n");
    EXPECT_TRUE(world()->getGenerators().empty()) << "the menu shows the background level again";

    // A new game's early win never moves the save backwards; advancing to level 2 still writes it.
    writeLevel("save.txt", "9\n");
    clickButton(NewGame);
    reachLevelComplete();
    EXPECT_EQ(saveFile(), "9\n");
    ASSERT_TRUE(waitUntil([this] { return onScreen("LEVEL 2 STARTING IN 2"); }, 2100));
    EXPECT_EQ(saveFile(), "2\n");
    key(KeyUp);

    // Only a regular file is a level: a FIFO after level 1 would wait for ever, a folder plays empty.
    std::filesystem::remove(folder.file("levels/level2.txt"));
    ASSERT_EQ(mkfifo(folder.file("levels/level2.txt").c_str(), 0600), 0);
    clickButton(NewGame);
    reachLevelComplete();
    ASSERT_TRUE(waitUntil([this] { return inPhase<ProcessCongratulations>(); }, 3000));
    key(KeyUp);
    std::filesystem::remove(folder.file("levels/level1.txt"));
    std::filesystem::create_directory(folder.file("levels/level1.txt"));
    clickButton(NewGame);
    reachPlay();
    frame();
    EXPECT_TRUE(onScreen(ProcessPlay::outOfParticlesText));
    key(KeyUp);

    // Were the number to wrap round, the game would go on to the empty level, which never ends.
    const int last = std::numeric_limits<int>::max();
    writeLevel("level" + std::to_string(last) + ".txt", quickLevel());
    writeLevel("level-2147483648.txt", "");
    writeLevel("save.txt", std::to_string(last));
    clickButton(Continue);
    ASSERT_TRUE(waitUntil([this] { return onScreen("CONGRATULATIONS! YOU WON THE GAME!!"); }));
}

TEST_F(GameFlow, APauseFreezesTheCountdownAndPlayUntilResumedAndSpendsNothing)
{
    reachMenu();
    clickButton(NewGame);
    wait(500);
    key(KeyDown, SDLK_p);
    EXPECT_TRUE(onScreen(ProcessGame::pausedText));
    wait(3000);
    EXPECT_TRUE(onScreen("LEVEL 1 STARTING IN 2")) << "the countdown ran on while paused";
    key(KeyDown, SDLK_SPACE);
    EXPECT_FALSE(onScreen(ProcessGame::pausedText));
    wait(450);
    EXPECT_TRUE(onScreen("LEVEL 1 STARTING IN 2")) << "the pause was counted as time";
    ASSERT_TRUE(waitUntil([this] { return onScreen("LEVEL 1 STARTING IN 1"); }, 100));

    // Play loses the focus: the field stands still, a click places nothing, a click on the card resumes
    // at once and places nothing either.
    reachPlay();
    click(200, 500);
    wait(300);
    post(FocusLost, {});
    const std::size_t flying = world()->getParticles().size();
    const float angle = world()->getBodies()[0].angle;
    wait(2000);
    click(600, 500);
    EXPECT_EQ(world()->getParticles().size(), flying);
    EXPECT_EQ(world()->getBodies()[0].angle, angle);
    EXPECT_EQ(world()->getBodies().size(), 2u) << "a heart placed while paused";
    click(static_cast<int>(ScreenLayout::fieldCentre.x), static_cast<int>(ScreenLayout::pauseCardTop) - 10);
    EXPECT_FALSE(onScreen(ProcessGame::pausedText));
    EXPECT_EQ(world()->getBodies().size(), 2u) << "the click that resumed placed a heart";
    EXPECT_NE(world()->getBodies()[0].angle, angle);

    // Paused, RESTART LEVEL starts the level afresh, unpaused; Escape leaves.
    key(KeyDown, SDLK_PAUSE);
    clickButton(RestartLevel);
    EXPECT_FALSE(onScreen(ProcessGame::pausedText));
    EXPECT_TRUE(onScreen("LEVEL 1 STARTING IN 2"));
    key(KeyDown, SDLK_p);
    key(KeyUp);
    EXPECT_TRUE(showing<ProcessMenu>());
    EXPECT_FALSE(onScreen(ProcessGame::pausedText));

    // LEVEL COMPLETE is not paused.
    clickButton(NewGame);
    reachLevelComplete();
    key(KeyDown, SDLK_p);
    post(FocusLost, {});
    EXPECT_FALSE(onScreen(ProcessGame::pausedText));
    ASSERT_TRUE(waitUntil([this] { return onScreen("LEVEL 2 STARTING IN 2"); }, 2100));
}

TEST_F(GameFlow, ALevelIsToldLostInTheFrameAfterTooFewParticlesAreLeftWhileSomeStillFly)
{
    // A heart at the mouth of the stream swallows it: the planet can no longer have 70 once 31 are gone.
    writeLevel("level1.txt", "GENERATOR 100 300 5 0 100\nGRAVBODY 700 300 30 0 ./graphics/planet.png 0\n");
    reachMenu();
    clickButton(NewGame);
    reachPlay();
    click(200, 300);
    bool lostBefore = false;
    for (int frames = 0; frames < 1000 && !onScreen(ProcessPlay::outOfParticlesText); ++frames)
    {
        ASSERT_FALSE(lostBefore) << "the level was lost a frame ago and nothing said so";
        lostBefore = LevelRules::isLost(*world());
        frame();
    }
    EXPECT_TRUE(lostBefore) << "told before the level was lost";
    EXPECT_FALSE(world()->getParticles().empty());
    EXPECT_EQ(LevelRules::capturable(*world()), LevelRules::goal - 1);
}

TEST_F(GameFlow, TheLevelScreenOpensTheLevelsReachedKeepsTheirRecordsAndNeverMovesTheSaveBack)
{
    writeLevel("level3.txt", quickLevel());
    reachMenu();
    clickButton(NewGame);
    reachLevelComplete();
    EXPECT_EQ(folder.read("levels/records.txt"), "1 0\n") << "level 1 won without a heart";
    key(KeyUp);
    writeLevel("save.txt", "3\n");

    // Levels 1 to 3 open, each tile with its title; Page Down moves the keys' choice to the last open one.
    clickButton(Levels);
    ASSERT_EQ(widgets<TileButton>().size(), 3u);
    for (TileButton* tile : widgets<TileButton>())
        EXPECT_TRUE(tile->isEnabled());
    writeLevel("save.txt", "2\n");
    key(KeyUp);
    clickButton(Levels);
    EXPECT_FALSE(widgets<TileButton>().at(2)->isEnabled()) << "level 3 beyond the save";
    click(400, 470);
    EXPECT_TRUE(showing<ProcessLevels>()) << "the locked third tile was played";

    // A tile plays its level; the win advances as ever, but the save stays ahead of a level played again.
    writeLevel("save.txt", "3\n");
    key(KeyUp);
    clickButton(Levels);
    key(KeyDown, SDLK_PAGEUP);
    key(KeyDown, SDLK_RETURN);
    EXPECT_TRUE(onScreen("LEVEL 1 STARTING IN 2"));
    reachLevelComplete();
    ASSERT_TRUE(waitUntil([this] { return onScreen("LEVEL 2 STARTING IN 2"); }, 2100));
    EXPECT_EQ(saveFile(), "3\n");
    key(KeyUp);

    // The options: each step is kept at once, and M silences every sound from any screen.
    clickButton(Options);
    clickButton(MusicQuieter);
    clickButton(EffectsQuieter);
    clickButton(EffectsQuieter);
    clickButton(AskSwitch);
    EXPECT_EQ(folder.read("levels/settings.txt"), "music 9\neffects 8\nfullscreen no\nask no\n");
    key(KeyDown, SDLK_m);
    EXPECT_TRUE(Core::instance()->getSoundHandler()->isMuted());
    clickButton(Back);
    key(KeyDown, SDLK_m);
    EXPECT_FALSE(Core::instance()->getSoundHandler()->isMuted());
    EXPECT_TRUE(onScreen("LUMORA")) << "the menu after BACK";
}

TEST_F(GameFlow, TheSignsGoWhenPlayBeginsAndAGoalInTheFrameEscapeIsReleasedIsNotSaved)
{
    reachMenu();
    clickButton(NewGame);
    EXPECT_EQ(widgets<GeneratorSigns>().size(), 1u);
    reachPlay();
    EXPECT_TRUE(widgets<GeneratorSigns>().empty());
    Event escape(KeyUp);
    escape.addParameter(intToString(SDLK_ESCAPE));
    Event goal(LevelGoalReached);
    Core::instance()->getEventManager()->post(escape);
    Core::instance()->getEventManager()->post(goal);
    frame();
    EXPECT_TRUE(showing<ProcessMenu>());
    EXPECT_EQ(saveFile(), "");
}
