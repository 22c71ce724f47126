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
// Writes "<name> draw" and "<name> <event type>" into a shared log, and notes its own destruction.
class RecordingWidget : public Widget
{
public:
    RecordingWidget(std::string widgetName, std::vector<std::string>& sharedLog,
                    bool* destroyedFlag = nullptr)
        : name(std::move(widgetName)), log(sharedLog), destroyed(destroyedFlag)
    {
    }
    ~RecordingWidget() override
    {
        if (destroyed)
            *destroyed = true;
    }

    void draw() override { log.push_back(name + " draw"); }
    void handleEvent(Event& event) override { log.push_back(name + " " + std::to_string(event.type)); }

private:
    std::string name;
    std::vector<std::string>& log;
    bool* destroyed;
};

class InterfaceTest : public CoreFixture
{
protected:
    std::vector<std::string> log;
    Handle<Widget> a = new RecordingWidget("a", log);
    Handle<Widget> b = new RecordingWidget("b", log);
    Handle<Widget> c = new RecordingWidget("c", log);

    Handle<Interface> layer() { return Core::instance()->getInterface(); }

    // Posts one event of every type a widget might hear, and some it must not, and delivers them.
    void postEveryEvent()
    {
        Handle<EventManager> events = Core::instance()->getEventManager();
        for (int type : {MouseMove, KeyUp, MouseDown, Tick, MouseUp, ButtonClicked})
        {
            Event event(type);
            event.addParameter("10");
            event.addParameter("20");
            event.addParameter("1");
            events->post(event);
        }
        events->dispatchAll();
    }

    std::vector<std::string> takeLog()
    {
        std::vector<std::string> taken;
        taken.swap(log);
        return taken;
    }
};

const std::string move = std::to_string(MouseMove);
const std::string down = std::to_string(MouseDown);
const std::string up = std::to_string(MouseUp);

TEST_F(InterfaceTest, AddedWidgetsAreDrawnInOrderAndHearOnlyTheMouse)
{
    layer()->addWidget(a);
    layer()->addWidget(b);
    layer()->draw();
    EXPECT_EQ((std::vector<std::string>{"a draw", "b draw"}), takeLog());

    postEveryEvent();
    EXPECT_EQ(
        (std::vector<std::string>{"a " + move, "b " + move, "a " + down, "b " + down, "a " + up, "b " + up}),
        takeLog());
    EXPECT_EQ((std::list<Handle<Widget>>{a, b}), layer()->getWidgets());
}

TEST_F(InterfaceTest, AWidgetAddedTwiceIsDrawnAndHeardTwiceAndOneRemoveTakesBoth)
{
    layer()->addWidget(a);
    layer()->addWidget(b);
    layer()->addWidget(a);
    layer()->draw();
    EXPECT_EQ((std::vector<std::string>{"a draw", "b draw", "a draw"}), takeLog());
    postEveryEvent();
    EXPECT_EQ(9u, takeLog().size());

    layer()->removeWidget(a);
    layer()->draw();
    postEveryEvent();
    EXPECT_EQ((std::vector<std::string>{"b draw", "b " + move, "b " + down, "b " + up}), takeLog());
    EXPECT_EQ((std::list<Handle<Widget>>{b}), layer()->getWidgets());
}

TEST_F(InterfaceTest, RemovingOneOfSeveralKeepsTheOthersOrderAndRegistrations)
{
    for (const Handle<Widget>& widget : {a, b, c})
        layer()->addWidget(widget);
    layer()->removeWidget(b);
    layer()->removeWidget(new RecordingWidget("never added", log));
    layer()->draw();
    postEveryEvent();
    EXPECT_EQ((std::vector<std::string>{"a draw", "c draw", "a " + move, "c " + move, "a " + down,
                                        "c " + down, "a " + up, "c " + up}),
              takeLog());
}

TEST_F(InterfaceTest, ClearTakesEveryWidgetOutOfDrawingAndDelivery)
{
    layer()->clear();
    for (const Handle<Widget>& widget : {a, b, a})
        layer()->addWidget(widget);
    layer()->clear();
    layer()->draw();
    postEveryEvent();
    EXPECT_TRUE(takeLog().empty());
    EXPECT_TRUE(layer()->getWidgets().empty());
}

TEST_F(InterfaceTest, ARemovedWidgetIsHeldByNothingAnyMore)
{
    bool destroyed = false;
    Handle<Widget> widget = new RecordingWidget("gone", log, &destroyed);
    layer()->addWidget(widget);
    Widget* raw = widget.get();
    widget = nullptr;
    EXPECT_FALSE(destroyed) << "the layer and the registrations keep it";
    layer()->removeWidget(raw);
    EXPECT_TRUE(destroyed);
}

} // namespace
