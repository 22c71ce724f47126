#pragma once

#include "engine/EventListener.h"
#include "engine/Handle.h"

#include <list>
#include <vector>

// A node of the one tree that carries all game logic. A process acts only on the events it registered
// for with listen(), which stop() undoes; it ends itself by setting `finished`, and the clean-up pass then
// takes it out and calls stop().
// The parent's children list holds the child; a stopped process lives on until its ProcessStopped
// notice, which carries a handle to it, has been delivered.
class Process : public EventListener
{
public:
    // Clears `finished` and posts ProcessStarted. Subclasses call this first, then listen.
    virtual void start();
    // Undoes every listen(), sets `finished` and posts ProcessStopped. Subclasses take down what must not
    // outlive them first and call this last.
    virtual void stop();

    // Appends the process to the children and starts it.
    void addChild(Handle<Process> child);
    // Stops the first entry that is this process, with its subtree first, and erases it; a process
    // that is not a child is ignored.
    void removeChild(Handle<Process> child);
    // Stops and erases every child, each one's subtree deepest first.
    void stopChildren();
    // The clean-up pass: stops and erases every finished process below this one, at any depth.
    void removeFinished();

    std::list<Handle<Process>> getChildren() const;
    bool isFinished() const;

protected:
    void postNotice(int type);
    // Registers this process, or the listener given, with the EventManager for the event type, and
    // remembers the registration for stopListening().
    void listen(int type);
    void listen(int type, Handle<EventListener> listener);
    // Unregisters everything listen() registered, in the order it was registered, and forgets it. stop()
    // does it first; a process that leaves the base stop() out calls it itself.
    void stopListening();

private:
    struct Registration
    {
        // Not owned: while registered, the EventManager's entry keeps the listener alive.
        EventListener* listener;
        int type;
    };

    std::list<Handle<Process>> children;
    std::vector<Registration> registrations;

protected:
    bool finished = false;
};
