#include "graphics/Interface.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "support/CoreFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using Log = std::vector<std::string>;

// Writes "<name> draw" and "<name> <event type>" into a shared log.
class RecordingWidget : public Widget
{
public:
    RecordingWidget(std::string widgetName, Log& sharedLog) : name(std::move(widgetName)), log(sharedLog) {}

    void draw() override { log.push_back(name + " draw"); }
    void handleEvent(Event& event) override { log.push_back(name + " " + std::to_string(event.type)); }

private:
    std::string name;
    Log& log;
};

class InterfaceTest : public CoreFixture
{
protected:
    Log log;
    Handle<Widget> a = new RecordingWidget("a", log);
    Handle<Widget> b = new RecordingWidget("b", log);
    Handle<Widget> c = new RecordingWidget("c", log);

    Handle<Interface> layer() { return Core::instance()->getInterface(); }

    // Draws the layer, then posts one event of every type a widget might hear, and some it must not, and
    // delivers them; returns what the widgets noted.
    Log drawAndPostEveryEvent()
    {
        layer()->draw();
        Handle<EventManager> events = Core::instance()->getEventManager();
        for (int type : {MouseMove, KeyUp, MouseDown, Tick, MouseUp, ButtonClicked})
        {
            Event event(type);
            events->post(event);
        }
        events->dispatchAll();
        Log taken;
        taken.swap(log);
        return taken;
    }
};

const std::string move = std::to_string(MouseMove);
const std::string down = std::to_string(MouseDown);
const std::string up = std::to_string(MouseUp);

TEST_F(InterfaceTest, WidgetsAreDrawnAndHearTheMouseInOrderOnceForEveryTimeTheyWereAdded)
{
    for (const Handle<Widget>& widget : {a, b, a, c})
        layer()->addWidget(widget);
    EXPECT_EQ(
        (Log{"a draw", "b draw", "a draw", "c draw", "a " + move, "b " + move, "a " + move, "c " + move,
             "a " + down, "b " + down, "a " + down, "c " + down, "a " + up, "b " + up, "a " + up, "c " + up}),
        drawAndPostEveryEvent());

    layer()->removeWidget(a);
    layer()->removeWidget(new RecordingWidget("never added", log));
    EXPECT_EQ(
        (Log{"b draw", "c draw", "b " + move, "c " + move, "b " + down, "c " + down, "b " + up, "c " + up}),
        drawAndPostEveryEvent())
        << "one remove takes every entry of the widget and leaves the others";
    EXPECT_EQ((std::list<Handle<Widget>>{b, c}), layer()->getWidgets());

    layer()->addWidget(a);
    layer()->clear();
    EXPECT_TRUE(drawAndPostEveryEvent().empty());
    EXPECT_TRUE(layer()->getWidgets().empty());
}

} // namespace
