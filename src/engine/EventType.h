#pragma once

// The codes of the events that travel through the EventManager. 6 and 7 are deliberately left unused,
// so every other code keeps its number: recorded event traces and tests name events by these values.
// Parameters, in decimal text: KeyDown and KeyUp carry SDL's key code, KeyDown then the character it typed
// (0 for none) and the modifier keys held (SDL's KMOD bits); the mouse events the pointer's x and y in
// the picture's pixels, y down, and MouseDown and MouseUp then SDL's button number.
enum EventType
{
    KeyDown = 0,
    KeyUp = 1,
    MouseDown = 2,
    MouseUp = 3,
    MouseMove = 4,
    Tick = 5,
    ProcessStarted = 8,
    ProcessStopped = 9,
    ButtonClicked = 10,
    LevelGoalReached = 11,
    // The window lost the input focus or was hidden (minimised, another desktop).
    FocusLost = 12
};
