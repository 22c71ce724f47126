#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "support/ManualClock.h"
#include "support/Recorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using Log = std::vector<std::string>;

// One manager and one log that all its recorders write into.
class EventDelivery : public ::testing::Test
{
protected:
    Handle<Recorder> listen(const char* name, std::initializer_list<int> types)
    {
        Handle<Recorder> recorder(new Recorder(name, log));
        for (int type : types)
            events->addListener(recorder, type);
        return recorder;
    }
    void post(int type)
    {
        Event event(type);
        events->post(event);
    }

    Log log;
    Handle<EventManager> events = new EventManager();
};
} // namespace

TEST_F(EventDelivery, IsFirstInFirstOutAndInRegistrationOrderAndHandlersPostBehindTheQueueStamped)
{
    ManualClock clock(1000);
    Handle<Recorder> b = listen("b", {Tick});
    Handle<Recorder> a = listen("a", {Tick, KeyUp, MouseUp, ButtonClicked});
    a->onEvent(
        [&](Event& event)
        {
            EXPECT_FALSE(event.getTarget()) << "posting clears any target";
            EXPECT_EQ(event.time, event.type == ButtonClicked ? 1007u : 1000u) << "the tick count at posting";
            if (event.type == MouseUp)
                post(ButtonClicked);
        });

    Event targeted(MouseUp);
    targeted.setTarget(b);
    events->post(targeted);
    post(KeyDown);
    post(Tick);
    post(KeyUp);
    clock.advance(7);
    events->dispatchAll();

    // Nobody listens for KeyDown: it is simply dropped.
    EXPECT_EQ(log, (Log{"a:MouseUp", "b:Tick", "a:Tick", "a:KeyUp", "a:ButtonClicked"}));
    EXPECT_FALSE(events->hasQueuedEvents());
}

TEST_F(EventDelivery, ListenersTakenOutDuringTheWalkAreSkippedAndThoseAddedAreReached)
{
    Handle<Recorder> first = listen("first", {Tick});
    Handle<Recorder> second = listen("second", {Tick});
    Handle<Recorder> third = listen("third", {Tick});
    Handle<Recorder> late(new Recorder("late", log));
    first->onEvent(
        [&](Event&)
        {
            events->removeListener(first, Tick);
            events->removeListener(second, Tick);
            events->addListener(late, Tick);
        });

    post(Tick);
    post(Tick);
    events->dispatchAll();

    EXPECT_EQ(log, (Log{"first:Tick", "third:Tick", "late:Tick", "third:Tick", "late:Tick"}));
    EXPECT_EQ(second->getRefCount(), 1) << "the registry let go of a listener it no longer calls";
}
