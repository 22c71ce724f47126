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
#include "game/ProcessMain.h"
#include "game/ProcessMenu.h"
#include "game/ProcessPlay.h"
#include "game/ScreenLayout.h"
#include "graphics/Interface.h"
#include "graphics/PlayField.h"
#include "support/CoreAccess.h"
#include "support/CoreFixture.h"
#include "support/GlWindow.h"
#include "support/ManualClock.h"
#include "support/Recorder.h"
#include "support/SkippedFrameAudit.h"
#include "support/TempFolder.h"
#include "widgets/Label.h"
#include "widgets/Meter.h"
#include "widgets/TextButton.h"
#include "world/HeartKinds.h"
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
SDL_Rect buttonPoint(int buttonId)
{
    const auto inside = [](const Vector3& topLeft) {
        return SDL_Rect{static_cast<Sint16>(topLeft.x + 1), static_cast<Sint16>(topLeft.y - 1), 0, 0};
    };
    if (buttonId == Back)
        return inside(ScreenLayout::backButtonTopLeft);
    if (buttonId == RestartLevel)
        return inside(ScreenLayout::restartButtonTopLeft);
    // The menu's captions are centred, one below the other.
    return inside(Vector3(ScreenLayout::menuCentreX - 1,
                          ScreenLayout::menuFirstButtonTop -
                              static_cast<float>(buttonId) * ScreenLayout::menuButtonSpacing,
                          0));
}

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
    void clickButton(int buttonId)
    {
        const SDL_Rect point = buttonPoint(buttonId);
        ASSERT_TRUE(buttonAt(point.x, point.y)) << "no button " << buttonId << " on screen";
        click(point.x, point.y);
    }
    void key(int type) { post(type, {SDLK_ESCAPE}); }
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
    EXPECT_EQ(widgets<Widget>().size(), 6u) << "the menu again, without BACK";
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
