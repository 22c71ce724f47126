#include "graphics/Interface.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "support/CoreFixture.h"
#include "support/Recorder.h"

#include <gtest/gtest.h>

namespace
{
using Log = std::vector<std::string>;

// A widget that notes its drawing and, through a Recorder, the events it hears.
class RecordingWidget : public Widget
{
public:
    RecordingWidget(const std::string& name, Log& log) : heard(name, log), drawn(name + ":draw"), shared(log)
    {
    }
    void draw() override { shared.push_back(drawn); }
    void handleEvent(Event& event) override { heard.handleEvent(event); }

private:
    Recorder heard;
    std::string drawn;
    Log& shared;
};

using InterfaceTest = CoreFixture;

TEST_F(InterfaceTest, WidgetsAreDrawnAndHearTheMouseInOrderOnceForEveryTimeTheyWereAdded)
{
    Log log;
    Handle<Interface> layer = Core::instance()->getInterface();
    Handle<Widget> a = new RecordingWidget("a", log);
    Handle<Widget> b = new RecordingWidget("b", log);
    // Draws, then posts one event of every type a widget might hear and some it must not.
    const auto frame = [&]
    {
        log.clear();
        layer->draw();
        for (int type : {MouseMove, KeyUp, MouseDown, Tick, MouseUp, ButtonClicked})
        {
            Event event(type);
            Core::instance()->getEventManager()->post(event);
        }
        Core::instance()->getEventManager()->dispatchAll();
        return log;
    };
    for (const Handle<Widget>& widget : {a, b, a})
        layer->addWidget(widget);
    EXPECT_EQ(frame(),
              (Log{"a:draw", "b:draw", "a:draw", "a:MouseMove", "b:MouseMove", "a:MouseMove", "a:MouseDown",
                   "b:MouseDown", "a:MouseDown", "a:MouseUp", "b:MouseUp", "a:MouseUp"}));
    layer->removeWidget(a);
    layer->removeWidget(new RecordingWidget("never added", log));
    EXPECT_EQ(frame(), (Log{"b:draw", "b:MouseMove", "b:MouseDown", "b:MouseUp"}))
        << "one removal takes every entry of the widget and leaves the others";
    layer->addWidget(a);
    layer->clear();
    EXPECT_TRUE(frame().empty());
}
} // namespace
