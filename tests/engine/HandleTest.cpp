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

TEST(Handle, AnObjectLivesExactlyAsLongAsItsLastHandleEvenAfterSelfAssignment)
{
    int destructions = 0;
    {
        Handle<Tracked> held(new Tracked(destructions));
        Handle<Object> copy = held;
        held = held.get();
        held = nullptr;
        EXPECT_EQ(destructions, 0) << "still held by `copy`";
    }
    EXPECT_EQ(destructions, 1);
}
