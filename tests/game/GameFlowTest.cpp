#include "engine/Core.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "engine/ProcessManager.h"
#include "game/GameHarness.h"
#include "game/ProcessCongratulations.h"
#include "game/ProcessCountdown.h"
#include "game/ProcessGame.h"
#include "game/ProcessIntro.h"
#include "game/ProcessLevelUp.h"
#include "game/ProcessMenu.h"
#include "game/ProcessPlay.h"
#include "game/ScreenLayout.h"
#include "graphics/Interface.h"
#include "support/CoreAccess.h"
#include "support/Recorder.h"
#include "widgets/Meter.h"
#include "widgets/TextButton.h"
#include "world/World.h"

#include <SDL.h>

namespace
{
constexpr int escape = SDLK_ESCAPE;

class GameFlow : public GameHarness
{
protected:
    void SetUp() override
    {
        GameHarness::SetUp();
        writeLevel("level1.txt", quickLevel());
        writeLevel("level2.txt", quickLevel());
    }

    void reachMenu()
    {
        ASSERT_TRUE(runUntil([this] { return showing<ProcessMenu>(); }));
    }
    void startNewGame()
    {
        reachMenu();
        clickButton("NEW GAME");
        ASSERT_TRUE(showing<ProcessGame>());
    }
    void reachPlay()
    {
        ASSERT_TRUE(runUntil([this] { return inPhase<ProcessPlay>(); }, 400));
    }
    void reachLevelComplete()
    {
        reachPlay();
        ASSERT_TRUE(runUntil([this] { return onScreen("LEVEL COMPLETE!!"); }, 1000));
    }
    Handle<World> world() const { return Core::instance()->getWorld(); }
};
} // namespace

TEST_F(GameFlow, TheLogoShowsForTwoSecondsWhateverThePlayerDoes)
{
    ASSERT_TRUE(showing<ProcessIntro>());
    EXPECT_EQ(Core::instance()->getInterface()->getWidgets().size(), 1u);
    frames(100);
    click(400, 300);
    releaseKey(escape);
    frames(199 - 100 - 4);
    EXPECT_TRUE(showing<ProcessIntro>()) << "the intro ended early";
    frame();
    EXPECT_TRUE(showing<ProcessMenu>());
}

TEST_F(GameFlow, TheMenuCentresItsTitleAndButtonsOverTheBackgroundLevel)
{
    reachMenu();
    EXPECT_TRUE(onScreen("LUMORA"));
    // "NEW GAME" at (328, 400) and "QUIT" at (364, 280): the corner pixels are on the button, one step
    // beyond is not.
    EXPECT_TRUE(findButton(328, 400));
    EXPECT_TRUE(findButton(471, 361));
    EXPECT_FALSE(findButton(327, 400));
    EXPECT_TRUE(findButton(364, 280));
    EXPECT_TRUE(findButton(435, 241));
    EXPECT_FALSE(findButton(436, 260));
    EXPECT_TRUE(findButton(292, 300));
    EXPECT_EQ(world()->getBodies().size(), 1u);
    EXPECT_TRUE(world()->getGenerators().empty());
}

TEST_F(GameFlow, InstructionsAndBackLeadToAFreshMenu)
{
    reachMenu();
    clickButton("INSTRUCTIONS");
    EXPECT_TRUE(findButton(736, 30)) << "no BACK button";
    EXPECT_FALSE(findButton(400, 380));
    EXPECT_FALSE(onScreen("LUMORA"));
    EXPECT_EQ(Core::instance()->getInterface()->getWidgets().size(), 2u);

    clickButton("BACK");
    EXPECT_TRUE(onScreen("LUMORA"));
    EXPECT_TRUE(findButton(328, 400));
    EXPECT_TRUE(findButton(364, 280));
    EXPECT_FALSE(findButton(736, 30));
    EXPECT_EQ(Core::instance()->getInterface()->getWidgets().size(), 6u);
}

TEST_F(GameFlow, QuitEndsTheProcessTreeAndTheRun)
{
    reachMenu();
    clickButton("QUIT");
    EXPECT_TRUE(CoreAccess::root()->getChildren().empty());
    EXPECT_FALSE(CoreAccess::isRunning());
}

TEST_F(GameFlow, NewGameStartsLevelOneWithTheDisplayAndLeavesTheSaveAlone)
{
    writeLevel("save.txt", "2\n");
    startNewGame();
    EXPECT_TRUE(onScreen("LEVEL 1 STARTING IN 2"));
    EXPECT_EQ(labelTexts().size(), 3u);
    EXPECT_EQ(labelTexts()[0], "5");
    EXPECT_EQ(labelTexts()[1], "5");
    EXPECT_EQ(world()->getGenerators().size(), 3u);
    EXPECT_EQ(saveFileContent(), "2\n");
}

TEST_F(GameFlow, TheCountdownStepsOnceASecondAndALateFrameIsNotMadeUp)
{
    startNewGame();
    frames(98);
    EXPECT_TRUE(onScreen("LEVEL 1 STARTING IN 2"));
    frame(1500);
    EXPECT_TRUE(onScreen("LEVEL 1 STARTING IN 1")) << "a late frame made more than one step";
    frames(99);
    EXPECT_TRUE(onScreen("LEVEL 1 STARTING IN 1"));
    frame();
    EXPECT_TRUE(onScreen("LEVEL 1 STARTING IN 0"));
    EXPECT_TRUE(inPhase<ProcessCountdown>());
    frames(99);
    EXPECT_TRUE(inPhase<ProcessCountdown>());
    frame();
    EXPECT_TRUE(inPhase<ProcessPlay>());
    EXPECT_FALSE(onScreen("LEVEL 1 STARTING IN 0"));
}

TEST_F(GameFlow, TheFieldStandsStillUntilThePlayPhaseBegins)
{
    startNewGame();
    frames(250);
    EXPECT_TRUE(world()->getParticles().empty());
    EXPECT_EQ(world()->getGenerators()[0].remaining, 40);
    reachPlay();
    frames(30);
    EXPECT_FALSE(world()->getParticles().empty());
}

TEST_F(GameFlow, HeartsArePlacedOnlyDuringPlayAndTheCountsFollow)
{
    startNewGame();
    click(200, 500);
    EXPECT_EQ(world()->getBodies().size(), 1u);
    reachPlay();

    click(200, 500);
    ASSERT_EQ(world()->getBodies().size(), 2u);
    EXPECT_EQ(world()->getBodies()[1].position.x, 200);
    EXPECT_EQ(world()->getBodies()[1].position.y, 500);
    EXPECT_EQ(world()->getBodies()[1].strength, 150);
    // Nothing is placed under the bottom bar, where the heart would be hidden; just above it is.
    click(300, ScreenLayout::bottomBarTop);
    click(600, ScreenLayout::bottomBarTop + 1, SDL_BUTTON_RIGHT);
    click(600, 150, SDL_BUTTON_MIDDLE);
    frame();
    ASSERT_EQ(world()->getBodies().size(), 3u);
    EXPECT_EQ(world()->getBodies()[2].strength, -150);
    EXPECT_EQ(labelTexts()[0], "4");
    EXPECT_EQ(labelTexts()[1], "4");
}

TEST_F(GameFlow, ReachingTheGoalPostsOneNoticeFreezesTheFieldAndShowsLevelComplete)
{
    std::vector<std::string> log;
    Handle<Recorder> recorder(new Recorder("goal", log));
    Core::instance()->getEventManager()->addListener(recorder, LevelGoalReached);
    startNewGame();
    reachLevelComplete();
    EXPECT_EQ(recorder->received(), 1);
    EXPECT_GE(world()->getCapturedCount(), 70);
    Handle<Meter> meter;
    for (const Handle<Widget>& widget : Core::instance()->getInterface()->getWidgets())
        if (auto* found = dynamic_cast<Meter*>(widget.get()))
            meter = found;
    ASSERT_TRUE(meter);
    frame();
    // The meter follows the captured count and may pass the goal; only its drawing stops at full.
    EXPECT_FLOAT_EQ(meter->value, static_cast<float>(world()->getCapturedCount() / 70.0));

    const auto particles = world()->getParticles().size();
    const int captured = world()->getCapturedCount();
    frames(100);
    EXPECT_EQ(world()->getParticles().size(), particles);
    EXPECT_EQ(world()->getCapturedCount(), captured);
    EXPECT_EQ(recorder->received(), 1);
    Core::instance()->getEventManager()->removeListener(recorder, LevelGoalReached);
}

TEST_F(GameFlow, WinningALevelSavesTheNextAtOnceAndCountsItDown)
{
    startNewGame();
    reachLevelComplete();
    EXPECT_EQ(saveFileContent(), "2\n") << "Escape now would lose the win";
    frames(195);
    EXPECT_TRUE(onScreen("LEVEL COMPLETE!!"));
    ASSERT_TRUE(runUntil([this] { return onScreen("LEVEL 2 STARTING IN 2"); }, 10));
    EXPECT_FALSE(onScreen("LEVEL COMPLETE!!"));
    EXPECT_EQ(saveFileContent(), "2\n");
    EXPECT_EQ(world()->getCapturedCount(), 0);
    EXPECT_EQ(world()->getGenerators()[0].remaining, 40);

    // A new game's win never moves a save further on backwards; advancing to level 2 still does.
    releaseKey(escape);
    writeLevel("save.txt", "9\n");
    clickButton("NEW GAME");
    reachLevelComplete();
    EXPECT_EQ(saveFileContent(), "9\n");
    ASSERT_TRUE(runUntil([this] { return onScreen("LEVEL 2 STARTING IN 2"); }, 210));
    EXPECT_EQ(saveFileContent(), "2\n");
}

TEST_F(GameFlow, AfterTheLastLevelTheCongratulationsLeadBackToTheMenu)
{
    writeLevel("save.txt", "2\n");
    reachMenu();
    clickButton("CONTINUE");
    EXPECT_TRUE(onScreen("LEVEL 2 STARTING IN 2"));
    reachLevelComplete();
    ASSERT_TRUE(runUntil([this] { return onScreen("CONGRATULATIONS! YOU WON THE GAME!!"); }, 300));
    frames(395);
    EXPECT_TRUE(showing<ProcessGame>());
    ASSERT_TRUE(runUntil([this] { return showing<ProcessMenu>(); }, 10));
    EXPECT_EQ(saveFileContent(), "2\n");
    EXPECT_TRUE(world()->getGenerators().empty()) << "the menu shows the background level again";
}

TEST_F(GameFlow, RestartLevelActsOnlyDuringPlay)
{
    startNewGame();
    Handle<Process> countdown = phase();
    frames(50);
    clickButton("RESTART LEVEL");
    EXPECT_TRUE(phase() == countdown) << "restart during the countdown";

    reachPlay();
    click(200, 500);
    click(600, 100, SDL_BUTTON_RIGHT);
    frame();
    ASSERT_EQ(world()->getLightHearts(), 4);
    // The release over the button, on the bottom bar, places no heart; the restart loads the level again.
    clickButton("RESTART LEVEL");
    EXPECT_TRUE(inPhase<ProcessCountdown>());
    EXPECT_TRUE(onScreen("LEVEL 1 STARTING IN 2"));
    EXPECT_EQ(world()->getBodies().size(), 1u);
    frame();
    EXPECT_EQ(labelTexts()[0], "5");
    EXPECT_EQ(labelTexts()[1], "5");
    EXPECT_EQ(world()->getCapturedCount(), 0);

    reachLevelComplete();
    clickButton("RESTART LEVEL");
    EXPECT_TRUE(inPhase<ProcessLevelUp>()) << "restart during level complete";
}

TEST_F(GameFlow, AGoalReachedInTheFrameOfARestartIsIgnored)
{
    startNewGame();
    reachPlay();
    postMouse(MouseMove, 680, 36);
    postMouse(MouseDown, 680, 36);
    // The world's step reaches the goal after the play phase looked for it: the next frame's release
    // restarts the level first, and then the goal of the abandoned play phase arrives.
    ASSERT_TRUE(runUntil([this] { return world()->getCapturedCount() >= 70; }, 1000));
    postMouse(MouseUp, 680, 36);
    EXPECT_TRUE(inPhase<ProcessCountdown>());
    EXPECT_FALSE(onScreen("LEVEL COMPLETE!!"));
}

TEST_F(GameFlow, EscapeReleasedLeavesAnyPhaseForTheMenu)
{
    startNewGame();
    pressKey(escape);
    EXPECT_TRUE(showing<ProcessGame>()) << "pressing alone must not leave";
    releaseKey(escape);
    EXPECT_TRUE(showing<ProcessMenu>());
    EXPECT_FALSE(onScreen("LEVEL 1 STARTING IN 2"));

    clickButton("NEW GAME");
    reachPlay();
    releaseKey(escape);
    ASSERT_TRUE(showing<ProcessMenu>());
    const auto particles = world()->getParticles().size();
    frames(20);
    EXPECT_EQ(world()->getParticles().size(), particles) << "the field still runs after leaving";

    clickButton("NEW GAME");
    reachLevelComplete();
    releaseKey(escape);
    EXPECT_TRUE(showing<ProcessMenu>());
    EXPECT_FALSE(onScreen("LEVEL COMPLETE!!"));

    writeLevel("save.txt", "2\n");
    clickButton("CONTINUE");
    reachLevelComplete();
    ASSERT_TRUE(runUntil([this] { return inPhase<ProcessCongratulations>(); }, 300));
    releaseKey(escape);
    EXPECT_TRUE(showing<ProcessMenu>());
    EXPECT_FALSE(onScreen("CONGRATULATIONS! YOU WON THE GAME!!"));
}

TEST_F(GameFlow, ContinueStartsTheSavedLevelOrTheFirst)
{
    const std::pair<const char*, const char*> cases[] = {{"3\n", "LEVEL 3 STARTING IN 2"},
                                                         {"garbage", "LEVEL 1 STARTING IN 2"},
                                                         {"0", "LEVEL 1 STARTING IN 2"}};
    reachMenu();
    clickButton("CONTINUE");
    EXPECT_TRUE(onScreen("LEVEL 1 STARTING IN 2")) << "without a save file";
    for (const auto& [saved, expected] : cases)
    {
        releaseKey(escape);
        writeLevel("save.txt", saved);
        clickButton("CONTINUE");
        EXPECT_TRUE(onScreen(expected)) << "save holding '" << saved << "'";
    }
}
