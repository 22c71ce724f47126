#pragma once

// A key that stands for a button: posts the same ButtonClicked a click on the button posts, so that what
// follows is exactly what follows the click.
class ButtonClick
{
public:
    static void post(int buttonId);
};
