#include "widgets/TextButton.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "graphics/Interface.h"
#include "support/Recorder.h"
#include "support/Scene.h"

#include <gtest/gtest.h>

#include <cctype>
#include <sstream>

namespace
{
using Ids = std::vector<std::string>;

// "QUIT" at (364, 280), scale 1, in Core's interface, driven by mouse events in window pixels (y down)
// as the main loop posts them: the caption covers window x 364..435, y 320..359.
class TextButtonTest : public Scene
{
protected:
    void SetUp() override
    {
        Scene::SetUp();
        clicks->onEvent([this](Event& event) { ids.push_back(event.getParameter(0)); });
        Core::instance()->getInterface()->addWidget(button);
        Core::instance()->getEventManager()->addListener(clicks, ButtonClicked);
    }
    // Steps separated by spaces: a window point "x,y" moved to, or "press" and "release" of mouse button
    // 1, or of the button whose number follows.
    void play(const std::string& steps)
    {
        std::istringstream words(steps);
        for (std::string step; words >> step;)
        {
            const bool move = step.find(',') != std::string::npos;
            if (move)
                pointer = {step.substr(0, step.find(',')), step.substr(step.find(',') + 1)};
            Event event(move ? MouseMove : step.rfind("press", 0) == 0 ? MouseDown : MouseUp);
            event.addParameter(pointer[0]);
            event.addParameter(pointer[1]);
            if (!move)
                event.addParameter(std::isdigit(step.back()) ? step.substr(step.size() - 1) : "1");
            Core::instance()->getEventManager()->post(event);
            Core::instance()->getEventManager()->dispatchAll();
        }
    }
    Handle<TextButton> button = new TextButton(3, "QUIT", Vector3(364, 280, 0), 1, 1);
    Ids log;
    Ids ids;
    Handle<Recorder> clicks = new Recorder("clicks", log);
    Ids pointer{"0", "0"};
};
} // namespace

// The caption is white, magenta under the pointer and red while held: its colour shows the state.
TEST_F(TextButtonTest, OnlyAPressAndAReleaseOverTheCaptionThroughoutClick)
{
    const GlWindow::Colour white{255, 255, 255};
    const GlWindow::Colour magenta{255, 0, 255};
    useWhiteFont("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const struct
    {
        const char* steps;
        Ids clicks;
        GlWindow::Colour caption;
    } cases[] = {
        {"", {}, white},
        {"400,340 press release", {"3"}, magenta},
        // Moving out while held cancels the click, and coming back does not press again.
        {"400,340 press 500,340 400,340 release", {}, magenta},
        // The wheel's buttons 4 and 5 neither press nor release.
        {"400,340 press4 release4 press5 release5 press release5 release", {"3"}, magenta},
        // A release without a press over the caption, and one after a press elsewhere, post nothing.
        {"400,340 release 500,340 press 400,340 release", {}, magenta},
        // The area is half-open: the left and top edges belong to the caption, the others do not.
        {"364,320 press 435,359 release", {"3"}, magenta},
        {"436,320", {}, white},
        {"364,360", {}, white},
        {"363,340", {}, white},
        {"400,319", {}, white},
        {"400,340 press", {}, {255, 0, 0}},
    };
    for (const auto& entry : cases)
    {
        SCOPED_TRACE(entry.steps);
        ids.clear();
        play("0,0 " + std::string(entry.steps));
        EXPECT_EQ(entry.clicks, ids);
        drawInterface();
        EXPECT_EQ(entry.caption, window.pixel(370, 260));
        EXPECT_EQ(4 * 18 * 40, countPixels(entry.caption));
    }
    Core::instance()->getInterface()->removeWidget(button);
    EXPECT_EQ(button->getRefCount(), 1) << "taken off the screen, yet still listening";
}
