#pragma once

#include "engine/Object.h"

class Event;

// Anything that receives events: it registers itself with the EventManager for each type it wants and
// must unregister before it may be freed, since the registry holds a handle to it.
class EventListener : public virtual Object
{
public:
    virtual void handleEvent(Event& event) = 0;
};
