#pragma once

// The identifier a TextButton posts with ButtonClicked; ProcessMain and the screens act on it.
enum ButtonId
{
    NewGame = 0,
    Continue = 1,
    Instructions = 2,
    Quit = 3,
    Back = 4,
    RestartLevel = 5
};
