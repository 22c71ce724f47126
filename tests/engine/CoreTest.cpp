#include "engine/Core.h"
#include "engine/EventManager.h"
#include "graphics/Font.h"
#include "graphics/Interface.h"
#include "graphics/TextureManager.h"
#include "sound/SoundHandler.h"
#include "support/CoreFixture.h"
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
