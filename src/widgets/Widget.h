#pragma once

#include "engine/EventListener.h"
#include "graphics/Drawable.h"
#include "graphics/PictureLook.h"

// A screen element: drawn by the Interface as a Drawable and, while it is there, given every mouse event
// as an EventListener, whether or not the pointer is over it. Both bases share one Object, so a widget
// has one count and may be held through a handle to either.
// Whole in this header: the Interface, a layer below the widgets, holds widgets by this base alone.
class Widget : public Drawable, public EventListener
{
public:
    // Writes down what the widget's picture depends on (see PictureLook). A widget that does not say
    // leaves the look unknown, and every frame with it on screen is drawn.
    virtual void appendLook(PictureLook& look) const { look.markUnknown(); }
};
