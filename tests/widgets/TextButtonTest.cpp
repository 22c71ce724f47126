#include "widgets/TextButton.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "engine/StringConversion.h"
#include "graphics/Interface.h"
#include "support/CoreFixture.h"
#include "widgets/WidgetScene.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace
{
// Notes the parameter of every ButtonClicked delivered.
class ClickRecorder : public EventListener
{
public:
    void handleEvent(Event& event) override { ids.push_back(event.getParameter(0)); }

    std::vector<std::string> ids;
};

// Drives a button in Core's interface with mouse events as the main loop posts them (window pixels,
// y down) and delivers them through Core's EventManager.
class ButtonDriver
{
public:
    ButtonDriver(int id, const std::string& caption, Vector3 topLeft, float scaleX, float scaleY)
        : button(new TextButton(id, caption, topLeft, scaleX, scaleY)), clicks(new ClickRecorder())
    {
        Core::instance()->getInterface()->addWidget(button);
        Core::instance()->getEventManager()->addListener(clicks, ButtonClicked);
    }
    ~ButtonDriver() { Core::instance()->getEventManager()->removeListener(clicks, ButtonClicked); }

    void moveTo(int x, int y) { deliver(MouseMove, {x, y}); }
    void press(int mouseButton = 1) { deliver(MouseDown, {pointerX, pointerY, mouseButton}); }
    void release(int mouseButton = 1) { deliver(MouseUp, {pointerX, pointerY, mouseButton}); }

    ButtonState state() const { return button->getState(); }
    const std::vector<std::string>& clicked() const { return clicks->ids; }

    Handle<TextButton> button;

private:
    void deliver(int type, std::initializer_list<int> parameters)
    {
        Event event(type);
        for (int parameter : parameters)
            event.addParameter(intToString(parameter));
        if (type == MouseMove)
        {
            pointerX = *parameters.begin();
            pointerY = *(parameters.begin() + 1);
        }
        Core::instance()->getEventManager()->post(event);
        Core::instance()->getEventManager()->dispatchAll();
    }

    Handle<ClickRecorder> clicks;
    int pointerX = 0;
    int pointerY = 0;
};

using Ids = std::vector<std::string>;

// "QUIT" at (364, 280), scale 1: x 364..436, y 240..280, that is window y 320..360.
class QuitButtonTest : public CoreFixture
{
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        quit = std::make_unique<ButtonDriver>(3, "QUIT", Vector3(364, 280, 0), 1, 1);
    }
    void TearDown() override
    {
        quit.reset();
        CoreFixture::TearDown();
    }

    std::unique_ptr<ButtonDriver> quit;
};

TEST_F(QuitButtonTest, AClickPostsItsIdOnceOnReleaseAndShowsHoverAfter)
{
    EXPECT_EQ(Normal, quit->state());
    quit->moveTo(400, 340);
    EXPECT_EQ(Hover, quit->state());
    quit->press();
    EXPECT_EQ(Pressed, quit->state());
    EXPECT_TRUE(quit->clicked().empty()) << "nothing is posted at the press";
    quit->release();
    EXPECT_EQ((Ids{"3"}), quit->clicked());
    EXPECT_EQ(Hover, quit->state());
    Core::instance()->getEventManager()->dispatchAll();
    EXPECT_EQ(1u, quit->clicked().size());
}

TEST_F(QuitButtonTest, MovingOutWhileHeldCancelsTheClick)
{
    quit->moveTo(400, 340);
    quit->press();
    quit->moveTo(500, 340);
    EXPECT_EQ(Normal, quit->state());
    quit->moveTo(400, 340);
    EXPECT_EQ(Hover, quit->state()) << "coming back does not press again";
    quit->release();
    EXPECT_TRUE(quit->clicked().empty());
    EXPECT_EQ(Hover, quit->state());
}

TEST_F(QuitButtonTest, AnyMouseButtonClicks)
{
    quit->moveTo(400, 340);
    quit->press(3);
    quit->release(3);
    quit->press(2);
    quit->release(2);
    EXPECT_EQ((Ids{"3", "3"}), quit->clicked());
}

TEST_F(QuitButtonTest, TwoPressesAndOneReleasePostOnce)
{
    quit->moveTo(400, 340);
    quit->press();
    quit->press();
    EXPECT_EQ(Pressed, quit->state());
    quit->release();
    quit->release();
    EXPECT_EQ((Ids{"3"}), quit->clicked());
}

TEST_F(QuitButtonTest, AReleaseWithoutAPressOverTheButtonPostsNothing)
{
    quit->moveTo(400, 340);
    quit->release();
    EXPECT_EQ(Hover, quit->state());

    // Pressed elsewhere, then dragged over the button and released.
    quit->moveTo(10, 10);
    quit->press();
    quit->moveTo(400, 340);
    quit->release();
    EXPECT_TRUE(quit->clicked().empty());
}

TEST_F(QuitButtonTest, TheAreaIncludesBothBoundsOnEachAxis)
{
    struct Probe
    {
        int x;
        int y;
        bool inside;
    };
    const Probe probes[] = {{436, 320, true},  {364, 360, true},  {364, 320, true},  {436, 360, true},
                            {437, 320, false}, {363, 340, false}, {400, 319, false}, {400, 361, false}};
    for (const Probe& probe : probes)
    {
        quit->moveTo(0, 0);
        quit->moveTo(probe.x, probe.y);
        EXPECT_EQ(probe.inside ? Hover : Normal, quit->state()) << "window " << probe.x << ", " << probe.y;
    }
}

TEST(TextButtonArea, ScaledCaptionCountsEveryCharacterIncludingSpaces)
{
    // "RESTART LEVEL": 13 cells of 12.6 make 163.8 across; 28 tall.
    const TextButton restart(5, "RESTART LEVEL", Vector3(600, 50, 0), 0.7f, 0.7f);
    EXPECT_TRUE(restart.contains(600, 50));
    EXPECT_TRUE(restart.contains(763.8f, 22));
    EXPECT_FALSE(restart.contains(763.9f, 30));
    EXPECT_FALSE(restart.contains(599.9f, 30));
    EXPECT_FALSE(restart.contains(700, 21.9f));
    EXPECT_FALSE(restart.contains(700, 50.1f));
}

using TextButtonDrawingTest = WidgetScene;

TEST_F(TextButtonDrawingTest, ColourFollowsTheStateOnTheNextDraw)
{
    useWhiteFont("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    ButtonDriver quit(3, "QUIT", Vector3(364, 280, 0), 1, 1);
    const auto shown = [&]
    {
        drawInterface();
        return window.pixel(370, 260);
    };

    EXPECT_EQ((GlWindow::Colour{255, 255, 255}), shown());
    EXPECT_EQ(4 * 18 * 40, litPixels());
    quit.moveTo(400, 340);
    EXPECT_EQ((GlWindow::Colour{255, 0, 255}), shown());
    quit.press();
    EXPECT_EQ((GlWindow::Colour{255, 0, 0}), shown());
    quit.release();
    EXPECT_EQ((GlWindow::Colour{255, 0, 255}), shown());
    EXPECT_EQ((Ids{"3"}), quit.clicked());
    quit.moveTo(700, 500);
    EXPECT_EQ((GlWindow::Colour{255, 255, 255}), shown());
}

} // namespace
