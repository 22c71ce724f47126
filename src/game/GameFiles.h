#pragma once

// The files of the game's screens and progress, relative to its working folder (data/ in the source tree,
// the player's own folder once installed). Pictures and sounds are cached by exactly these strings for the
// whole run, so each name is written once: the field's own pictures are the World's and GravBody's, the
// hearts' are HeartKinds'.
class GameFiles
{
public:
    // The game screen's bottom bar, behind the heart counts, the meter and RESTART LEVEL.
    static constexpr char bottomBarPicture[] = "./graphics/interface.png";
    // The meter's two states, the full one revealed from the left as particles are captured.
    static constexpr char meterEmptyPicture[] = "./graphics/meterempty.png";
    static constexpr char meterFullPicture[] = "./graphics/meterfull.png";
    // The instructions screen's one picture.
    static constexpr char instructionsPicture[] = "./graphics/instructions.png";
    // The logo of the intro screen.
    static constexpr char logoPicture[] = "./graphics/logo.bmp";
    // The panel behind the menu's title and buttons.
    static constexpr char menuPanelPicture[] = "./graphics/menubg.png";
    // The glyph cells of every text the game draws.
    static constexpr char fontPicture[] = "./graphics/font.png";
    // The window's icon; without it desktops show their default.
    static constexpr char windowIcon[] = "./graphics/icon.bmp";

    // Looping music from start-up to exit.
    static constexpr char music[] = "./sounds/theme.mp3";
    // Played when a heart is placed.
    static constexpr char clickSound[] = "./sounds/click.mp3";

    // The field behind the logo, the menu and the instructions.
    static constexpr char backgroundLevel[] = "./levels/bg.txt";
    // Level n is levelPrefix + n in plain decimal + levelSuffix, numbered from 1.
    static constexpr char levelPrefix[] = "./levels/level";
    static constexpr char levelSuffix[] = ".txt";
    // The player's progress: the level most recently advanced to.
    static constexpr char save[] = "./levels/save.txt";
    // Where a new save is written whole before it replaces the old one.
    static constexpr char pendingSave[] = "./levels/save.txt.new";
    // Beside the save, each won level's fewest hearts, and the player's settings; each with its own file
    // for the new text.
    static constexpr char records[] = "./levels/records.txt";
    static constexpr char pendingRecords[] = "./levels/records.txt.new";
    static constexpr char settings[] = "./levels/settings.txt";
    static constexpr char pendingSettings[] = "./levels/settings.txt.new";
};
