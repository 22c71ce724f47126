#pragma once

#include "engine/Handle.h"
#include "graphics/Drawable.h"
#include "widgets/Widget.h"

#include <list>

// The layer of widgets drawn over the world every frame, in the order they were added, so a later widget
// covers an earlier one. While a widget is in the layer it is registered with the EventManager for
// MouseMove, MouseDown and MouseUp, and the layer's handle keeps it alive. Core owns the one interface.
class Interface : public Drawable
{
public:
    // Appends the widget and registers it for the three mouse events. Adding one widget twice draws it
    // twice and registers it twice.
    void addWidget(Handle<Widget> widget);
    // Takes out every entry of that widget with its registrations; a widget not in the layer is ignored.
    void removeWidget(Handle<Widget> widget);
    // Removes every widget, first to last.
    void clear();
    // Draws every widget front to back; sets no OpenGL state of its own.
    void draw() override;
    // Writes down the widgets on screen, in order, and what each one's picture depends on.
    void appendLook(PictureLook& look) const;

    // A copy of the list, in drawing order.
    std::list<Handle<Widget>> getWidgets() const;

private:
    std::list<Handle<Widget>> widgets;
};
