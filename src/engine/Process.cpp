#include "engine/Process.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventManager.h"
#include "engine/EventType.h"

void Process::start()
{
    finished = false;
    postNotice(ProcessStarted);
}

void Process::stop()
{
    stopListening();
    finished = true;
    postNotice(ProcessStopped);
}

void Process::addChild(Handle<Process> child)
{
    children.push_back(child);
    child->start();
}

void Process::removeChild(Handle<Process> child)
{
    for (auto entry = children.begin(); entry != children.end(); ++entry)
        if (*entry == child)
        {
            Handle<Process> found = *entry;
            found->stopChildren();
            found->stop();
            children.erase(entry);
            return;
        }
}

void Process::stopChildren()
{
    while (!children.empty())
    {
        Handle<Process> child = children.front();
        child->stopChildren();
        child->stop();
        children.pop_front();
    }
}

void Process::removeFinished()
{
    for (auto entry = children.begin(); entry != children.end();)
    {
        Handle<Process> child = *entry;
        if (child->finished)
        {
            child->stopChildren();
            child->stop();
            entry = children.erase(entry);
        }
        else
        {
            child->removeFinished();
            ++entry;
        }
    }
}

std::list<Handle<Process>> Process::getChildren() const
{
    return children;
}

bool Process::isFinished() const
{
    return finished;
}

void Process::postNotice(int type)
{
    Event notice(type);
    notice.addObject(Handle<Object>(this));
    Core::instance()->getEventManager()->post(notice);
}

void Process::listen(int type)
{
    listen(type, this);
}

void Process::listen(int type, Handle<EventListener> listener)
{
    Core::instance()->getEventManager()->addListener(listener, type);
    registrations.push_back(Registration{listener.get(), type});
}

void Process::stopListening()
{
    Handle<EventManager> events = Core::instance()->getEventManager();
    for (const Registration& registration : registrations)
        events->removeListener(registration.listener, registration.type);
    registrations.clear();
}
