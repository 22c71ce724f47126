#pragma once

#include "engine/Event.h"
#include "engine/EventListener.h"
#include "engine/Handle.h"
#include "engine/Object.h"

#include <deque>
#include <list>
#include <map>

// The registry of listeners per event type and the first-in first-out queue of posted events. Core owns
// the one manager. The registry holds handles, so a listener lives at least until it unregisters; every
// process unregisters in stop() and every widget when the Interface takes it out.
class EventManager : public Object
{
public:
    ~EventManager() override;

    // Appends the listener to the type's list; a listener registered twice receives each event twice.
    void addListener(Handle<EventListener> listener, int type);
    // Takes every entry of that object out of the type's list; other types are untouched.
    void removeListener(Handle<EventListener> listener, int type);
    // Stamps the event with the tick count, empties its target and queues a copy.
    void post(Event& event);
    // Delivers queued events, including those posted meanwhile, until the queue is empty. Each event
    // reaches its type's listeners in registration order; a listener added during the walk is reached
    // in the same walk, one taken out before its turn is skipped.
    void dispatchAll();

    bool hasQueuedEvents() const;

private:
    void deliver(Event& event);
    void dropRemovedEntries();

    // Entries taken out during a delivery are emptied in place and swept afterwards, so the walk
    // never steps from an erased node.
    std::map<int, std::list<Handle<EventListener>>> listeners;
    std::deque<Event> queue;
    bool delivering = false;
    bool entriesRemoved = false;
};
