#pragma once

#include "engine/EventListener.h"
#include "engine/Handle.h"
#include "engine/Object.h"

#include <cstdint>
#include <string>
#include <vector>

// One message between the parts of the game: a type code, decimal-text parameters and the objects it
// concerns. Events are plain values, built on the stack and copied into and out of the queue; they are
// never held through a handle. The objects an event carries stay alive while the event or a copy exists.
class Event : public Object
{
public:
    explicit Event(int eventType);

    // Appends a text parameter; numbers are written with intToString.
    void addParameter(const std::string& parameter);
    // The parameter at `index`, which must be below the count the event's type fixes.
    std::string getParameter(unsigned index) const;
    unsigned getParameterCount() const;

    void addObject(Handle<Object> object);
    // The first object carried; the event must carry one.
    Handle<Object> getObject() const;

    void setTarget(Handle<EventListener> listener);
    Handle<EventListener> getTarget() const;

public:
    int type;
    // Tick count in milliseconds when the event was posted; set by EventManager::post.
    std::uint32_t time;

private:
    std::vector<std::string> parameters;
    std::vector<Handle<Object>> objects;
    Handle<EventListener> target;
};
