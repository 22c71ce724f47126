#include "engine/Core.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"
#include "graphics/Font.h"
#include "graphics/Interface.h"
#include "graphics/TextureManager.h"
#include "sound/SoundHandler.h"
#include "support/CoreFixture.h"
#include "support/Recorder.h"
#include "world/World.h"

#include <gtest/gtest.h>

using CoreSingleton = CoreFixture;

TEST_F(CoreSingleton, IsCreatedOnceAndHandsOutItsManagersWithoutKeepingTheCount)
{
    Core* core = Core::instance();
    EXPECT_EQ(Core::instance(), core);
    EXPECT_EQ(core->getRefCount(), 0);

    Handle<EventManager> events = core->getEventManager();
    const int held = events->getRefCount();
    core->getEventManager();
    EXPECT_EQ(events->getRefCount(), held);
    {
        Handle<EventManager> again = core->getEventManager();
        EXPECT_EQ(events->getRefCount(), held + 1);
    }
    EXPECT_EQ(events->getRefCount(), held);
    EXPECT_TRUE(core->getTextureManager());
    EXPECT_TRUE(core->getSoundHandler());
    EXPECT_TRUE(core->getWorld());
    EXPECT_TRUE(core->getInterface());
    EXPECT_FALSE(core->getFont());
}

TEST_F(CoreSingleton, UpdatePostsOneTickAfterTheInputAlreadyQueued)
{
    std::vector<std::string> log;
    Handle<Recorder> recorder(new Recorder("r", log));
    Handle<EventManager> events = Core::instance()->getEventManager();
    events->addListener(recorder, Tick);
    events->addListener(recorder, MouseUp);

    Event click(MouseUp);
    events->post(click);
    Core::instance()->update();
    Core::instance()->update();

    EXPECT_EQ(log, (std::vector<std::string>{"r:3", "r:5", "r:5"}));
    events->removeListener(recorder, Tick);
    events->removeListener(recorder, MouseUp);
}
