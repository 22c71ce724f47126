#include "engine/Handle.h"
#include "engine/EventListener.h"
#include "graphics/Drawable.h"

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

class DrawnListener : public Drawable, public EventListener
{
public:
    void draw() override {}
    void handleEvent(Event&) override {}
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
        // A copy of the object is a new object, held by nobody (its destruction is counted too).
        Tracked copyOfObject(*object);
        EXPECT_EQ(copyOfObject.getRefCount(), 0);
        moved = nullptr;
        EXPECT_EQ(destructions, 0) << "still held by `copy`";
    }
    EXPECT_EQ(destructions, 2);

    // A widget is one Object through two bases: its handles of either kind share one count.
    DrawnListener* widget = new DrawnListener();
    Handle<Drawable> drawn(widget);
    Handle<EventListener> listening(widget);
    EXPECT_TRUE(drawn == listening);
    EXPECT_EQ(widget->getRefCount(), 2);
}
