#include "engine/Handle.h"
#include "engine/EventListener.h"
#include "engine/Process.h"
#include "graphics/Drawable.h"

#include <gtest/gtest.h>

namespace
{
class Tracked : public Object
{
public:
    explicit Tracked(int& counter) : destructions(counter) {}
    ~Tracked() override { ++destructions; }
    Handle<Object> self() { return Handle<Object>(this); }

private:
    int& destructions;
};

// Drawn and listening at once, like every widget: one Object through two virtual bases.
class DrawnListener : public Drawable, public EventListener
{
public:
    explicit DrawnListener(int& counter) : destructions(counter) {}
    ~DrawnListener() override { ++destructions; }
    void draw() override {}
    void handleEvent(Event&) override {}

private:
    int& destructions;
};

class IdleProcess : public Process
{
public:
    void handleEvent(Event&) override {}
};
} // namespace

TEST(Handle, AnObjectLivesExactlyAsLongAsItsHandles)
{
    int destructions = 0;
    Tracked* object = new Tracked(destructions);
    EXPECT_EQ(object->getRefCount(), 0);
    {
        Handle<Tracked> first(object);
        EXPECT_EQ(object->getRefCount(), 1);
        {
            Handle<Object> second = first;
            EXPECT_EQ(object->getRefCount(), 2);
        }
        EXPECT_EQ(object->getRefCount(), 1);
        EXPECT_EQ(destructions, 0);
    }
    EXPECT_EQ(destructions, 1);
}

TEST(Handle, AWidgetsTwoBasesAndHandlesFromThisShareOneCount)
{
    int destructions = 0;
    DrawnListener* widget = new DrawnListener(destructions);
    Handle<Drawable> drawn(widget);
    Handle<EventListener> listening(widget);
    EXPECT_EQ(widget->getRefCount(), 2);
    EXPECT_EQ(static_cast<Object*>(drawn.get()), static_cast<Object*>(listening.get()));
    drawn = nullptr;
    EXPECT_EQ(destructions, 0);
    listening = nullptr;
    EXPECT_EQ(destructions, 1);

    Handle<Tracked> held(new Tracked(destructions));
    {
        Handle<Object> fromThis = held->self();
        EXPECT_EQ(held->getRefCount(), 2);
    }
    EXPECT_EQ(held->getRefCount(), 1);
    EXPECT_EQ(destructions, 1);
}

TEST(Handle, AssignmentTakesTheNewObjectFirstSoSelfAssignmentIsSafe)
{
    int firstGone = 0;
    int secondGone = 0;
    Handle<Tracked> held(new Tracked(firstGone));
    Handle<Tracked>& alias = held;
    held = alias;
    held = held.get();
    held = std::move(alias);
    ASSERT_TRUE(held);
    EXPECT_EQ(held->getRefCount(), 1);
    EXPECT_EQ(firstGone, 0);

    Handle<Tracked> other(new Tracked(secondGone));
    held = other;
    EXPECT_EQ(firstGone, 1);
    EXPECT_EQ(other->getRefCount(), 2);
    Handle<Tracked> moved = std::move(other);
    EXPECT_FALSE(other);
    EXPECT_EQ(moved->getRefCount(), 2);
    held = nullptr;
    moved = nullptr;
    EXPECT_EQ(secondGone, 1);
}

TEST(Handle, EqualityComparesObjectsAcrossStaticTypes)
{
    Handle<Process> process(new IdleProcess());
    Handle<Object> asObject(process);
    Handle<EventListener> asListener(process);
    EXPECT_TRUE(process == asObject);
    EXPECT_TRUE(asListener == asObject);
    EXPECT_TRUE(Handle<Object>() == Handle<Process>());
    EXPECT_FALSE(process == Handle<Object>());
    EXPECT_TRUE(process != Handle<Process>(new IdleProcess()));
}

TEST(Handle, ACopiedObjectStartsUnheld)
{
    int destructions = 0;
    Handle<Tracked> held(new Tracked(destructions));
    Tracked copy(*held);
    EXPECT_EQ(copy.getRefCount(), 0);
    EXPECT_EQ(held->getRefCount(), 1);
}
