#pragma once

// The identifier a button posts with ButtonClicked; ProcessMain and the screens act on it.
enum ButtonId
{
    NewGame = 0,
    Continue = 1,
    Instructions = 2,
    Quit = 3,
    Back = 4,
    RestartLevel = 5,
    Levels = 6,
    Options = 7,
    PreviousPage = 8,
    NextPage = 9,
    MusicQuieter = 10,
    MusicLouder = 11,
    EffectsQuieter = 12,
    EffectsLouder = 13,
    FullscreenSwitch = 14,
    AskSwitch = 15,
    // The level screen's tile of level n posts firstLevelTile + n.
    firstLevelTile = 1000
};
