#include "widgets/TextButton.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "engine/StringConversion.h"
#include "graphics/Interface.h"
#include "support/CoreFixture.h"
#include "support/Recorder.h"
#include "support/Scene.h"

#include <gtest/gtest.h>

#include <cctype>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace
{
using Ids = std::vector<std::string>;

// Drives "QUIT" at (364, 280), scale 1, in Core's interface with mouse events as the main loop posts them
// (window pixels, y down) and delivers them through Core's EventManager. The caption covers x 364..436,
// y 240..280, that is window y 320..360.
class QuitButton
{
public:
    QuitButton()
        : button(new TextButton(3, "QUIT", Vector3(364, 280, 0), 1, 1)), clicks(new Recorder("clicks", log))
    {
        clicks->onEvent([this](Event& event) { ids.push_back(event.getParameter(0)); });
        Core::instance()->getInterface()->addWidget(button);
        Core::instance()->getEventManager()->addListener(clicks, ButtonClicked);
    }
    ~QuitButton()
    {
        Core::instance()->getInterface()->removeWidget(button);
        Core::instance()->getEventManager()->removeListener(clicks, ButtonClicked);
    }

    void moveTo(int x, int y)
    {
        pointerX = x;
        pointerY = y;
        deliver(MouseMove, {x, y});
    }
    // Steps separated by spaces: "in" and "out" of the caption, "press" and "release" of mouse button 1,
    // or of the button whose number follows them.
    void play(const std::string& steps)
    {
        std::istringstream words(steps);
        for (std::string step; words >> step;)
        {
            const int mouseButton =
                std::isdigit(static_cast<unsigned char>(step.back())) ? step.back() - '0' : 1;
            if (step == "in" || step == "out")
                moveTo(step == "in" ? 400 : 500, 340);
            else
                deliver(step.rfind("press", 0) == 0 ? MouseDown : MouseUp, {pointerX, pointerY, mouseButton});
        }
    }

    ButtonState state() const { return button->getState(); }
    // The ids of the ButtonClicked events delivered.
    const Ids& clicked() const { return ids; }

private:
    void deliver(int type, std::initializer_list<int> parameters)
    {
        Event event(type);
        for (int parameter : parameters)
            event.addParameter(intToString(parameter));
        Core::instance()->getEventManager()->post(event);
        Core::instance()->getEventManager()->dispatchAll();
    }

    Handle<TextButton> button;
    Ids log;
    Ids ids;
    Handle<Recorder> clicks;
    int pointerX = 0;
    int pointerY = 0;
};

using TextButtonTest = CoreFixture;

TEST_F(TextButtonTest, OnlyAPressAndAReleaseOverTheCaptionThroughoutClick)
{
    const struct
    {
        const char* steps;
        Ids clicks;
    } cases[] = {
        // Moving out while held cancels the click, and coming back does not press again.
        {"in press out in release", {}},
        {"in press3 release3 press2 release2", {"3", "3"}},
        {"in press press release release", {"3"}},
        // The wheel's buttons 4 and 5 neither press nor release.
        {"in press4 release4 press5 release5 press release5 release", {"3"}},
        // A release without a press over the caption, and one after a press elsewhere, post nothing.
        {"in release out press in release", {}},
    };
    for (const auto& entry : cases)
    {
        SCOPED_TRACE(entry.steps);
        QuitButton quit;
        quit.play(entry.steps);
        EXPECT_EQ(entry.clicks, quit.clicked());
        EXPECT_EQ(Hover, quit.state());
    }
}

TEST_F(TextButtonTest, TheAreaIsHalfOpenSoTouchingButtonsShareNoPoint)
{
    // The caption's pixels: window x 364..435, y 320..359 (screen y 280 down to 241).
    QuitButton quit;
    const struct
    {
        int x;
        int y;
        bool inside;
    } probes[] = {{364, 320, true},  {435, 359, true},  {436, 320, false},
                  {364, 360, false}, {363, 340, false}, {400, 319, false}};
    for (const auto& probe : probes)
    {
        quit.moveTo(0, 0);
        quit.moveTo(probe.x, probe.y);
        EXPECT_EQ(probe.inside ? Hover : Normal, quit.state()) << "window " << probe.x << ", " << probe.y;
    }

    // The menu's buttons touch: QUIT's bottom edge, window y 360, is the top of a caption below it.
    EXPECT_TRUE(TextButton(4, "BELOW", Vector3(364, 240, 0), 1, 1).contains(400, 240));

    // "RESTART LEVEL": 13 cells of 12.6, spaces included, make 163.8 across; 28 tall.
    const TextButton restart(5, "RESTART LEVEL", Vector3(600, 50, 0), 0.7f, 0.7f);
    EXPECT_TRUE(restart.contains(600, 50));
    EXPECT_TRUE(restart.contains(763.7f, 22.1f));
    EXPECT_FALSE(restart.contains(763.8f, 30));
    EXPECT_FALSE(restart.contains(700, 22));
}

using TextButtonDrawingTest = Scene;

TEST_F(TextButtonDrawingTest, AClickPostsItsIdOnceOnReleaseAndTheColourFollowsTheState)
{
    useWhiteFont("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    QuitButton quit;
    const auto shown = [&]
    {
        drawInterface();
        return window.pixel(370, 260);
    };

    EXPECT_EQ((GlWindow::Colour{255, 255, 255}), shown());
    EXPECT_EQ(4 * 18 * 40, litPixels());
    quit.play("in");
    EXPECT_EQ((GlWindow::Colour{255, 0, 255}), shown());
    quit.play("press");
    EXPECT_EQ((GlWindow::Colour{255, 0, 0}), shown());
    EXPECT_TRUE(quit.clicked().empty()) << "nothing is posted at the press";
    quit.play("release");
    EXPECT_EQ((GlWindow::Colour{255, 0, 255}), shown());
    Core::instance()->getEventManager()->dispatchAll();
    EXPECT_EQ((Ids{"3"}), quit.clicked());
    quit.play("out");
    EXPECT_EQ((GlWindow::Colour{255, 255, 255}), shown());
}

} // namespace
