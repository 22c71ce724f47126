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

// Writes its stop() and its destruction into a log; finishes on any event it listens for.
class LoggedProcess : public Process
{
public:
    LoggedProcess(std::string processName, Log& sharedLog) : name(std::move(processName)), log(sharedLog) {}
    ~LoggedProcess() override { log.push_back("gone:" + name); }
    void stop() override
    {
        log.push_back("stop:" + name);
        Process::stop();
    }
    void handleEvent(Event&) override { finished = true; }
    void finish() { finished = true; }

private:
    std::string name;
    Log& log;
};

class ProcessTree : public CoreFixture
{
protected:
    Handle<LoggedProcess> make(const std::string& name) { return new LoggedProcess(name, log); }
    Handle<EventManager> events() { return Core::instance()->getEventManager(); }

    Log log;
};
} // namespace

TEST_F(ProcessTree, AProcessFinishedOnATickIsStoppedInThatUpdateAndItsNoticesCarryIt)
{
    Handle<LoggedProcess> child = make("child");
    Log heard;
    Handle<Recorder> parent(new Recorder("parent", heard));
    // The screens know their children's notices by the process the event carries: any other is struck out.
    parent->onEvent(
        [&](Event& event)
        {
            if (event.getObject() != child)
                heard.pop_back();
        });
    events()->addListener(parent, ProcessStarted);
    events()->addListener(parent, ProcessStopped);
    events()->addListener(child, Tick);
    CoreAccess::root()->addChild(child);

    Core::instance()->update();

    EXPECT_EQ(heard, (Log{"parent:ProcessStarted", "parent:ProcessStopped"}));
    EXPECT_EQ(log, Log{"stop:child"});
    EXPECT_TRUE(CoreAccess::root()->getChildren().empty());
}

TEST_F(ProcessTree, AFinishedProcessIsStoppedAfterItsDescendantsAndLivesUntilItsNoticeIsDelivered)
{
    Handle<LoggedProcess> top = make("top");
    Handle<LoggedProcess> finished = make("finished");
    CoreAccess::root()->addChild(top);
    top->addChild(finished);
    top->addChild(make("sibling"));
    finished->addChild(make("child"));
    finished->getChildren().front()->addChild(make("grandchild"));
    finished->addChild(make("second child"));
    events()->dispatchAll();

    finished->finish();
    finished = nullptr;
    CoreAccess::root()->removeFinished();
    events()->dispatchAll();

    EXPECT_EQ(log, (Log{"stop:grandchild", "stop:child", "stop:second child", "stop:finished",
                        "gone:grandchild", "gone:child", "gone:second child", "gone:finished"}));
    EXPECT_EQ(top->getChildren().size(), 1u) << "the sibling stays";
}
