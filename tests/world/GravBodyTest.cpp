#include "world/GravBody.h"
#include "engine/Handle.h"

#include <gtest/gtest.h>

// The World keeps bodies by value: copying or assigning one must leave the count of its handles alone.
TEST(GravBody, CopiesAndAssignmentsLeaveTheCountOfHandlesAlone)
{
    Handle<GravBody> held(new GravBody(Vector3(1, 2, 0), 20, 150, "./graphics/lightheart.png", 3));
    GravBody copy = *held;
    copy.angle = 45;
    *held = copy;
    EXPECT_EQ(copy.getRefCount(), 0) << "no handle holds the copy";
    EXPECT_EQ(held->getRefCount(), 1);
    EXPECT_EQ(held->angle, 45);
}
