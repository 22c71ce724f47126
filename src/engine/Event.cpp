#include "engine/Event.h"

#include "engine/EventListener.h"

#include <cassert>

Event::Event(int eventType) : type(eventType), time(0) {}

void Event::addParameter(const std::string& parameter)
{
    parameters.push_back(parameter);
}

std::string Event::getParameter(unsigned index) const
{
    assert(index < parameters.size() && "event parameter out of range");
    return parameters[index];
}

unsigned Event::getParameterCount() const
{
    return static_cast<unsigned>(parameters.size());
}

void Event::addObject(Handle<Object> object)
{
    objects.push_back(std::move(object));
}

Handle<Object> Event::getObject() const
{
    assert(!objects.empty() && "event carries no object");
    return objects.front();
}

void Event::setTarget(Handle<EventListener> listener)
{
    target = std::move(listener);
}

Handle<EventListener> Event::getTarget() const
{
    return target;
}
