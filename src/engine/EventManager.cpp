#include "engine/EventManager.h"

#include "platform/Clock.h"

EventManager::~EventManager()
{
    // Undelivered events go first, then the registry with its last references to the listeners.
    queue.clear();
    listeners.clear();
}

void EventManager::addListener(Handle<EventListener> listener, int type)
{
    listeners[type].push_back(std::move(listener));
}

void EventManager::removeListener(Handle<EventListener> listener, int type)
{
    auto found = listeners.find(type);
    if (found == listeners.end())
        return;
    std::list<Handle<EventListener>>& entries = found->second;
    if (!delivering)
    {
        entries.remove(listener);
        return;
    }
    for (Handle<EventListener>& entry : entries)
        if (entry == listener)
        {
            entry = nullptr;
            entriesRemoved = true;
        }
}

void EventManager::post(Event& event)
{
    event.time = platform::tickCount();
    event.setTarget(nullptr);
    queue.push_back(event);
}

void EventManager::dispatchAll()
{
    while (!queue.empty())
    {
        Event event = queue.front();
        queue.pop_front();
        deliver(event);
    }
}

bool EventManager::hasQueuedEvents() const
{
    return !queue.empty();
}

void EventManager::deliver(Event& event)
{
    auto found = listeners.find(event.type);
    if (found == listeners.end())
        return;
    std::list<Handle<EventListener>>& entries = found->second;

    delivering = true;
    for (auto entry = entries.begin(); entry != entries.end(); ++entry)
    {
        // The copy keeps the listener alive even if its handler takes it out of the registry.
        Handle<EventListener> listener = *entry;
        if (listener)
            listener->handleEvent(event);
    }
    delivering = false;
    dropRemovedEntries();
}

void EventManager::dropRemovedEntries()
{
    if (!entriesRemoved)
        return;
    for (auto& typeAndEntries : listeners)
        typeAndEntries.second.remove(Handle<EventListener>());
    entriesRemoved = false;
}
