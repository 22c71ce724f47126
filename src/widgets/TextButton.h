#pragma once

#include "widgets/Widget.h"
#include "world/Vector3.h"

#include <string>

// What a text button shows: white when idle, magenta under the pointer, red while a button is held on it.
enum ButtonState
{
    Normal = 0,
    Hover = 1,
    Pressed = 2
};

// A one-line caption in the bitmap font that reports a completed click by posting ButtonClicked with its
// id in decimal text. A click is a press and a release of the left, middle or right mouse button with the
// pointer over the caption throughout; moving out while held cancels it. The wheel, whose turns arrive as
// presses and releases of buttons 4 and 5, never clicks. The button hears the mouse only while it is in
// the Interface, and knows nothing of the screen that made it.
class TextButton : public Widget
{
public:
    TextButton(int buttonId, std::string caption, Vector3 topLeft, float horizontalScale,
               float verticalScale);

    // Needs Core's font and the OpenGL context.
    void draw() override;
    void appendLook(PictureLook& look) const override;
    // Follows MouseMove, MouseDown and MouseUp; posts through Core's EventManager on a completed click.
    void handleEvent(Event& event) override;

    // Whether a point in screen coordinates (y up) lies on the caption: from the top-left corner across
    // 18 * scaleX per character (every byte counts) and down 40 * scaleY. The left and top edges belong
    // to the caption, the right and bottom ones to whatever touches it there, exactly as the caption's
    // pixels do, so a point on the edge two buttons share belongs to one of them only.
    bool contains(float x, float y) const;

private:
    void followPointer(const Event& event);
    void press();
    void release();
    static bool isClickButton(const Event& mouseButtonEvent);

    std::string text;
    Vector3 position;
    Vector3 colours[3];
    ButtonState state = Normal;
    float scaleX;
    float scaleY;
    int id;
    // The last MouseMove was over the caption.
    bool hovering = false;
};
