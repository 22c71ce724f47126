#include "engine/Process.h"
#include "engine/Core.h"
#include "engine/EventManager.h"
#include "engine/ProcessManager.h"
#include "support/CoreAccess.h"
#include "support/CoreFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using Log = std::vector<std::string>;

// Writes its stop() and its destruction into a log.
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
    void handleEvent(Event&) override {}
    void finish() { finished = true; }

private:
    std::string name;
    Log& log;
};

} // namespace

using ProcessTree = CoreFixture;

TEST_F(ProcessTree, AFinishedProcessIsStoppedAfterItsDescendantsAndLivesUntilItsNoticeIsDelivered)
{
    Log log;
    const auto make = [&log](const std::string& name)
    { return Handle<LoggedProcess>(new LoggedProcess(name, log)); };
    Handle<LoggedProcess> top = make("top");
    Handle<LoggedProcess> finished = make("finished");
    CoreAccess::root()->addChild(top);
    top->addChild(finished);
    top->addChild(make("sibling"));
    finished->addChild(make("child"));
    finished->getChildren().front()->addChild(make("grandchild"));
    finished->addChild(make("second child"));
    Core::instance()->getEventManager()->dispatchAll();

    finished->finish();
    finished = nullptr;
    CoreAccess::root()->removeFinished();
    Core::instance()->getEventManager()->dispatchAll();

    EXPECT_EQ(log, (Log{"stop:grandchild", "stop:child", "stop:second child", "stop:finished",
                        "gone:grandchild", "gone:child", "gone:second child", "gone:finished"}));
    EXPECT_EQ(top->getChildren().size(), 1u) << "the sibling stays";
}
