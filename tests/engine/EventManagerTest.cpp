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

void post(EventManager& events, int type)
{
    Event event(type);
    events.post(event);
}

class CountedObject : public Object
{
public:
    explicit CountedObject(int& counter) : destructions(counter) {}
    ~CountedObject() override { ++destructions; }

private:
    int& destructions;
};
} // namespace

TEST(EventDelivery, IsFirstInFirstOutAcrossTypesAndInRegistrationOrderWithinOne)
{
    Log log;
    Handle<EventManager> events(new EventManager());
    Handle<Recorder> a(new Recorder("a", log));
    Handle<Recorder> b(new Recorder("b", log));
    events->addListener(b, Tick);
    events->addListener(a, Tick);
    events->addListener(a, KeyUp);
    events->addListener(a, MouseUp);

    post(*events, MouseUp);
    post(*events, KeyDown);
    post(*events, Tick);
    post(*events, KeyUp);
    events->dispatchAll();

    // Nobody listens for KeyDown: it is simply dropped.
    EXPECT_EQ(log, (Log{"a:MouseUp", "b:Tick", "a:Tick", "a:KeyUp"}));
    EXPECT_FALSE(events->hasQueuedEvents());
}

TEST(EventDelivery, AnEventPostedByAHandlerComesAfterThoseAlreadyQueued)
{
    Log log;
    Handle<EventManager> events(new EventManager());
    Handle<Recorder> recorder(new Recorder("r", log));
    events->addListener(recorder, Tick);
    events->addListener(recorder, KeyDown);
    events->addListener(recorder, ButtonClicked);
    recorder->onEvent(
        [&](Event& event)
        {
            if (event.type == Tick)
                post(*events, ButtonClicked);
        });

    post(*events, Tick);
    post(*events, KeyDown);
    events->dispatchAll();

    EXPECT_EQ(log, (Log{"r:Tick", "r:KeyDown", "r:ButtonClicked"}));
}

TEST(EventDelivery, AListenerAddedDuringTheWalkIsReachedInTheSameWalk)
{
    Log log;
    Handle<EventManager> events(new EventManager());
    Handle<Recorder> first(new Recorder("first", log));
    Handle<Recorder> late(new Recorder("late", log));
    events->addListener(first, Tick);
    first->onEvent(
        [&](Event&)
        {
            if (late->received() == 0)
                events->addListener(late, Tick);
        });

    post(*events, Tick);
    events->dispatchAll();

    EXPECT_EQ(log, (Log{"first:Tick", "late:Tick"}));
}

TEST(EventDelivery, AListenerTakenOutBeforeItsTurnIsSkipped)
{
    Log log;
    Handle<EventManager> events(new EventManager());
    Handle<Recorder> first(new Recorder("first", log));
    Handle<Recorder> second(new Recorder("second", log));
    Handle<Recorder> third(new Recorder("third", log));
    events->addListener(first, Tick);
    events->addListener(second, Tick);
    events->addListener(third, Tick);
    first->onEvent([&](Event&) { events->removeListener(second, Tick); });

    post(*events, Tick);
    post(*events, Tick);
    events->dispatchAll();

    EXPECT_EQ(log, (Log{"first:Tick", "third:Tick", "first:Tick", "third:Tick"}));
    EXPECT_EQ(second->getRefCount(), 1);
}

TEST(EventDelivery, AListenerThatTakesItselfOutMidWalkLetsTheWalkGoOn)
{
    Log log;
    Handle<EventManager> events(new EventManager());
    Handle<Recorder> quitter(new Recorder("quitter", log));
    Handle<Recorder> next(new Recorder("next", log));
    events->addListener(quitter, Tick);
    events->addListener(next, Tick);
    quitter->onEvent([&](Event&) { events->removeListener(quitter, Tick); });

    post(*events, Tick);
    post(*events, Tick);
    events->dispatchAll();

    EXPECT_EQ(log, (Log{"quitter:Tick", "next:Tick", "next:Tick"}));
}

TEST(EventRegistration, ADoubleRegistrationGetsTwoCallsAndOneRemovalTakesBoth)
{
    Log log;
    Handle<EventManager> events(new EventManager());
    Handle<Recorder> twice(new Recorder("twice", log));
    events->addListener(twice, Tick);
    events->addListener(twice, Tick);
    events->addListener(twice, MouseUp);

    post(*events, Tick);
    events->dispatchAll();
    EXPECT_EQ(twice->received(), 2);

    events->removeListener(twice, Tick);
    post(*events, Tick);
    post(*events, MouseUp);
    events->dispatchAll();
    EXPECT_EQ(log, (Log{"twice:Tick", "twice:Tick", "twice:MouseUp"}));
}

TEST(EventPosting, StampsTheTickCountAndEmptiesTheTarget)
{
    ManualClock clock(4321);
    Log log;
    Handle<EventManager> events(new EventManager());
    Handle<Recorder> recorder(new Recorder("r", log));
    events->addListener(recorder, KeyUp);
    std::uint32_t seenTime = 0;
    bool targetEmpty = false;
    recorder->onEvent(
        [&](Event& event)
        {
            seenTime = event.time;
            targetEmpty = !event.getTarget();
        });

    Event event(KeyUp);
    event.setTarget(recorder);
    events->post(event);
    events->dispatchAll();

    EXPECT_EQ(seenTime, 4321u);
    EXPECT_TRUE(targetEmpty);
}

TEST(EventPosting, QueuedEventsAndTheRegistryHoldTheirObjectsUntilDeliveredOrTheManagerGoes)
{
    int destructions = 0;
    Log log;
    Handle<EventManager> events(new EventManager());
    Handle<Recorder> recorder(new Recorder("r", log));
    events->addListener(recorder, Tick);
    events->addListener(recorder, KeyUp);
    EXPECT_EQ(recorder->getRefCount(), 3);
    {
        Event event(ProcessStopped);
        event.addObject(new CountedObject(destructions));
        events->post(event);
    }
    EXPECT_EQ(destructions, 0);
    events->dispatchAll();
    EXPECT_EQ(destructions, 1);

    {
        Event event(ProcessStopped);
        event.addObject(new CountedObject(destructions));
        events->post(event);
    }
    events = nullptr;
    EXPECT_EQ(destructions, 2);
    EXPECT_EQ(recorder->getRefCount(), 1);
}
