#include "engine/Process.h"
#include "engine/Core.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "engine/ProcessManager.h"
#include "support/CoreAccess.h"
#include "support/CoreFixture.h"
#include "support/Recorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using Log = std::vector<std::string>;

// Writes its stop() and its destruction into a log; finishes itself on the first Tick when asked to.
class LoggedProcess : public Process
{
public:
    LoggedProcess(std::string processName, Log& sharedLog, bool finishesOnTick = false)
        : name(std::move(processName)), log(sharedLog), finishOnTick(finishesOnTick)
    {
    }
    ~LoggedProcess() override { log.push_back("gone:" + name); }

    void start() override
    {
        Process::start();
        if (finishOnTick)
            Core::instance()->getEventManager()->addListener(this, Tick);
    }
    void stop() override
    {
        if (finishOnTick)
            Core::instance()->getEventManager()->removeListener(this, Tick);
        log.push_back("stop:" + name);
        Process::stop();
    }
    void handleEvent(Event&) override { finished = true; }
    void finish() { finished = true; }

private:
    std::string name;
    Log& log;
    bool finishOnTick;
};

// Answers the ProcessStopped of its child the way the screens do: by recognising the event's object.
class WatchingParent : public LoggedProcess
{
public:
    WatchingParent(Log& sharedLog, Handle<Process> child)
        : LoggedProcess("parent", sharedLog), log(sharedLog), watched(std::move(child))
    {
    }
    void start() override
    {
        LoggedProcess::start();
        Core::instance()->getEventManager()->addListener(this, ProcessStopped);
    }
    void stop() override
    {
        Core::instance()->getEventManager()->removeListener(this, ProcessStopped);
        LoggedProcess::stop();
    }
    void handleEvent(Event& event) override
    {
        if (event.type == ProcessStopped && event.getObject() == watched)
            log.push_back("parent saw child stop");
    }

private:
    Log& log;
    Handle<Process> watched;
};

class ProcessTree : public CoreFixture
{
protected:
    Handle<LoggedProcess> make(const std::string& name, bool finishOnTick = false)
    {
        return new LoggedProcess(name, log, finishOnTick);
    }
    void deliver() { Core::instance()->getEventManager()->dispatchAll(); }

    Log log;
};
} // namespace

TEST_F(ProcessTree, StartPostsProcessStartedCarryingTheProcess)
{
    Log seen;
    Handle<Recorder> recorder(new Recorder("r", seen));
    Handle<LoggedProcess> process = make("p");
    Handle<Object> carried;
    recorder->onEvent([&](Event& event) { carried = event.getObject(); });
    Core::instance()->getEventManager()->addListener(recorder, ProcessStarted);

    CoreAccess::root()->addChild(process);
    deliver();

    EXPECT_EQ(seen, (Log{"r:ProcessStarted"}));
    EXPECT_TRUE(carried == process);
    EXPECT_FALSE(process->isFinished());
    Core::instance()->getEventManager()->removeListener(recorder, ProcessStarted);
}

TEST_F(ProcessTree, AFinishedProcessIsStoppedAfterItsDescendantsDeepestFirst)
{
    Handle<LoggedProcess> parent = make("parent");
    Handle<LoggedProcess> first = make("first");
    Handle<LoggedProcess> second = make("second");
    Handle<LoggedProcess> grandchild = make("grandchild");
    CoreAccess::root()->addChild(parent);
    parent->addChild(first);
    parent->addChild(second);
    first->addChild(grandchild);

    parent->finish();
    CoreAccess::root()->removeFinished();

    EXPECT_EQ(log, (Log{"stop:grandchild", "stop:first", "stop:second", "stop:parent"}));
    EXPECT_TRUE(CoreAccess::root()->getChildren().empty());
    EXPECT_TRUE(parent->getChildren().empty());
}

TEST_F(ProcessTree, AFinishedProcessDeepDownIsFoundAndItsSiblingsStay)
{
    Handle<LoggedProcess> top = make("top");
    Handle<LoggedProcess> middle = make("middle");
    Handle<LoggedProcess> deep = make("deep");
    Handle<LoggedProcess> sibling = make("sibling");
    CoreAccess::root()->addChild(top);
    top->addChild(middle);
    middle->addChild(deep);
    middle->addChild(sibling);

    deep->finish();
    CoreAccess::root()->removeFinished();

    EXPECT_EQ(log, (Log{"stop:deep"}));
    ASSERT_EQ(middle->getChildren().size(), 1u);
    EXPECT_TRUE(middle->getChildren().front() == sibling);
    EXPECT_EQ(top->getChildren().size(), 1u);
}

TEST_F(ProcessTree, RemoveChildStopsTheFirstMatchingEntryOnlyAndIgnoresStrangers)
{
    Handle<LoggedProcess> parent = make("parent");
    Handle<LoggedProcess> twice = make("twice");
    parent->addChild(twice);
    parent->addChild(twice);

    parent->removeChild(make("stranger"));
    EXPECT_EQ(parent->getChildren().size(), 2u);

    parent->removeChild(twice);
    EXPECT_EQ(parent->getChildren().size(), 1u);
    EXPECT_EQ(log, (Log{"gone:stranger", "stop:twice"}));
}

TEST_F(ProcessTree, AStoppedProcessLivesUntilItsNoticeHasBeenDelivered)
{
    Handle<LoggedProcess> parent = make("parent");
    parent->addChild(make("child"));
    deliver();

    parent->stopChildren();
    EXPECT_EQ(log, (Log{"stop:child"}));
    deliver();
    EXPECT_EQ(log, (Log{"stop:child", "gone:child"}));
}

TEST_F(ProcessTree, UpdateReapsInTheSameFrameAndTheParentHearsOfIt)
{
    Handle<LoggedProcess> child = make("child", true);
    Handle<WatchingParent> parent(new WatchingParent(log, child));
    CoreAccess::root()->addChild(parent);
    parent->addChild(child);
    child = nullptr;

    Core::instance()->update();

    EXPECT_EQ(log, (Log{"stop:child", "parent saw child stop"}));
    EXPECT_TRUE(parent->getChildren().empty());
    EXPECT_FALSE(Core::instance()->getEventManager()->hasQueuedEvents());
}

TEST_F(ProcessTree, UpdateEndsTheRunOnlyOnceTheTreeIsEmpty)
{
    Handle<LoggedProcess> last = make("last");
    CoreAccess::root()->addChild(last);
    CoreAccess::setRunning(true);
    Core::instance()->update();
    Core::instance()->update();
    EXPECT_TRUE(CoreAccess::isRunning());

    last->finish();
    Core::instance()->update();
    EXPECT_TRUE(CoreAccess::root()->getChildren().empty());
    EXPECT_FALSE(CoreAccess::isRunning());
}

TEST_F(ProcessTree, DestroyingCoreFreesTheTreeWithoutStoppingIt)
{
    {
        Handle<LoggedProcess> parent = make("parent");
        CoreAccess::root()->addChild(parent);
        parent->addChild(make("child"));
    }
    Core::instance()->getEventManager()->dispatchAll();
    Core::destroy();
    EXPECT_EQ(log, (Log{"gone:parent", "gone:child"}));
}
