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
    // The level screen's way to the player's own levels, and the buttons of their list.
    MyLevels = 16,
    LeaveMyLevels = 17,
    PlayOwnLevel = 18,
    EditOwnLevel = 19,
    DeleteOwnLevel = 20,
    NewOwnLevel = 21,
    CopyGameLevel = 22,
    EarlierGameLevel = 23,
    LaterGameLevel = 24,
    // The editor's bar.
    EditorUndo = 30,
    EditorText = 31,
    EditorPlay = 32,
    EditorProve = 33,
    EditorSave = 34,
    EditorBack = 35,
    AddGenerator = 36,
    // The property panel: each property's LESS, then its MORE, in the order of LevelEditing::Property.
    firstStepButton = 40,
    NextBodyKind = 50,
    DeleteChosen = 51,
    TitleField = 52,
    HintField = 53,
    // The editor's tile of body kind k posts firstBodyKindTile + k.
    firstBodyKindTile = 60,
    // The row r of a page of the player's levels posts firstOwnLevelRow + r.
    firstOwnLevelRow = 100,
    // The level screen's tile of level n posts firstLevelTile + n.
    firstLevelTile = 1000
};
