#pragma once

// Full screen is the window manager's to give: SDL asks it to let the game's window cover the screen. With no
// window manager running nobody answers, and the window would stay as it was.
namespace platform
{

// When no window manager runs, moves and sizes the game's window (SDL's) to cover the whole screen itself;
// otherwise does nothing. Needs SDL's window.
void coverScreenWithoutWindowManager();

} // namespace platform
