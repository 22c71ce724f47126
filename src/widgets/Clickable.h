#pragma once

#include "widgets/Widget.h"

// What a button shows: idle, under the pointer, or held.
enum ButtonState
{
    Normal = 0,
    Hover = 1,
    Pressed = 2
};

// A widget that reports a completed click by posting ButtonClicked with its id in decimal text. A click is a
// press and a release of the left, middle or right mouse button with the pointer over the widget's area
// throughout; moving out while held cancels it. The wheel, whose turns arrive as presses and releases of
// buttons 4 and 5, never clicks. The widget hears the mouse only while it is in the Interface, and knows
// nothing of the screen that made it.
class Clickable : public Widget
{
public:
    // Follows MouseMove, MouseDown and MouseUp; posts through Core's EventManager on a completed click.
    void handleEvent(Event& event) override;

    // Whether a point in screen coordinates (y up) lies on the area that takes clicks.
    virtual bool contains(float x, float y) const = 0;
    int getId() const;

protected:
    explicit Clickable(int buttonId);
    ButtonState getState() const;

private:
    void followPointer(const Event& event);
    void press();
    void release();
    static bool isClickButton(const Event& mouseButtonEvent);

    ButtonState state = Normal;
    int id;
    // The last MouseMove was over the area.
    bool hovering = false;
};
