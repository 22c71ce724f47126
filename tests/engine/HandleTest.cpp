#include "engine/Handle.h"

#include <gtest/gtest.h>

namespace
{
class Tracked : public Object
{
public:
    explicit Tracked(int& counter) : destructions(counter) {}
    ~Tracked() override { ++destructions; }

private:
    int& destructions;
};
} // namespace

TEST(Handle, AnObjectLivesExactlyAsLongAsItsLastHandleWhateverTheHandlesDid)
{
    int destructions = 0;
    Tracked* object = new Tracked(destructions);
    {
        Handle<Tracked> held(object);
        Handle<Object> copy = held;
        held = held.get();
        Handle<Tracked> moved = std::move(held);
        EXPECT_FALSE(held);
        EXPECT_EQ(object->getRefCount(), 2);
        moved = nullptr;
        EXPECT_EQ(destructions, 0) << "still held by `copy`";
    }
    EXPECT_EQ(destructions, 1);
}
