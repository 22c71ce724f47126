#pragma once

#include "graphics/Font.h"
#include "graphics/PlayField.h"
#include "world/HeartKinds.h"
#include "world/LevelRules.h"
#include "world/Vector3.h"

#include <cstddef>

// Where the screens put their widgets and how those look, read by the screens and by the tests that
// press their buttons. Positions are in field units (x from the left edge, y up from the bottom edge):
// a picture's is its centre, a text's or a meter's its top-left corner. A text's scale multiplies the
// font's glyph cell of 18 by 40 units; an opacity runs from 0 (unseen) to 1; a colour is red, green and
// blue from 0 to 1.
class ScreenLayout
{
public:
    static constexpr Vector3 fieldCentre{PlayField::width / 2.0f, PlayField::height / 2.0f, 0};
    // The titles' and the overlays' colour, and the colour of plain text.
    static constexpr Vector3 magenta{1, 0, 1};
    static constexpr Vector3 white{1, 1, 1};

    // The intro's logo, whole over the middle of the field.
    static constexpr Vector3 logoCentre = fieldCentre;
    static constexpr float logoOpacity = 1;

    // The menu: a translucent panel, the title and the four buttons below it, each line centred on
    // menuCentreX (a line of n glyphs starts n / 2 whole glyphs left of it).
    static constexpr Vector3 menuPanelCentre = fieldCentre;
    static constexpr float menuPanelOpacity = 0.7f;
    static constexpr float menuCentreX = fieldCentre.x;
    static constexpr float menuTitleTop = 500;
    static constexpr float menuTitleScale = 1.5f;
    static constexpr Vector3 menuTitleColour = magenta;
    // The first button's top; every further button stands one glyph height lower: NEW GAME, CONTINUE,
    // INSTRUCTIONS, QUIT, then LEVELS and OPTIONS.
    static constexpr float menuFirstButtonTop = 400;
    static constexpr float menuButtonScale = 1;
    static constexpr float menuButtonSpacing = Font::glyphHeightPixels * menuButtonScale;
    // The game's version, small in the menu's lower right corner.
    static constexpr float versionScale = 0.6f;
    static constexpr float versionMargin = 8;
    static constexpr float versionTop = 30;
    static constexpr Vector3 versionColour{0.6f, 0.55f, 0.75f};

    // The level screen: its title, a grid of tiles, one page at a time, PREVIOUS and NEXT with the page's
    // number between them, and BACK where the instructions have it.
    static constexpr float levelsTitleTop = 592;
    static constexpr float levelsTitleScale = 1.2f;
    static constexpr int tileColumns = 5;
    static constexpr int tileRows = 3;
    static constexpr float tileWidth = 140;
    static constexpr float tileHeight = 120;
    static constexpr float tileGap = 10;
    static constexpr float firstTileLeft = 30;
    static constexpr float firstTileTop = 540;
    static constexpr float tileNumberScale = 1.2f;
    static constexpr float tileTextScale = 0.5f;
    static constexpr int tileTitleLines = 2;
    static constexpr Vector3 lockedColour{0.62f, 0.62f, 0.68f};
    static constexpr Vector3 wonColour{1.0f, 0.6f, 0.78f};
    static constexpr float pageButtonsTop = 150;
    static constexpr float pageButtonScale = 0.8f;

    // The level screen's way to the player's own levels, at the lower left as BACK is at the lower right.
    static constexpr Vector3 myLevelsButtonTopLeft{30, 50, 0};

    // The player's levels: rows across the field under the level screen's title, a page at a time, then the
    // page's buttons, the buttons acting on the chosen row, the copying of a game level, and a line of
    // messages beside BACK.
    static constexpr int ownRowsPerPage = 6;
    static constexpr float ownRowLeft = 30;
    static constexpr float ownRowRight = 770;
    static constexpr float ownRowHeight = 50;
    static constexpr float ownRowGap = 6;
    static constexpr float firstOwnRowTop = 540;
    static constexpr float ownNameScale = 0.6f;
    static constexpr float ownStatusScale = 0.5f;
    static constexpr Vector3 problemColour{1.0f, 0.45f, 0.35f};
    static constexpr float ownPagesTop = 200;
    static constexpr float ownActionsTop = 155;
    static constexpr float ownActionScale = 1;
    static constexpr float ownActionLefts[] = {30, 140, 250, 420};
    static constexpr float copyTop = 105;
    static constexpr float copyScale = 0.8f;
    static constexpr float copyLessLeft = 330;
    static constexpr float copyMoreLeft = 430;
    static constexpr Vector3 messageTopLeft{30, 45, 0};
    static constexpr float messageScale = 0.6f;

    // The editor: its bar across the bottom of the field where the game's bar stands, with a tile a thing to
    // add, its buttons, and a status line below them; the chosen thing's properties in a panel at the top
    // right; the caption's fields above the bar while the text is edited.
    static constexpr float addTileSize = 54;
    static constexpr float firstAddTileLeft = 8;
    static constexpr float addTileBottom = 12;
    static constexpr float addTileGap = 4;
    static constexpr float editorButtonsLeft = 310;
    static constexpr float editorButtonsTop = 68;
    static constexpr float editorButtonScale = 0.7f;
    static constexpr float editorButtonGap = 14;
    static constexpr Vector3 statusTopLeft{310, 30, 0};
    static constexpr float statusScale = 0.45f;
    static constexpr float panelLeft = 470;
    static constexpr float panelRight = 792;
    static constexpr float panelTop = 592;
    static constexpr float panelRowHeight = 26;
    static constexpr float panelScale = 0.55f;
    static constexpr float panelValueLeft = 590;
    static constexpr float panelLessLeft = 690;
    static constexpr float panelMoreLeft = 745;
    static constexpr float textFieldLeft = 20;
    static constexpr float textFieldRight = 780;
    static constexpr float titleFieldTop = 160;
    static constexpr float textFieldHeight = 34;
    static constexpr float textFieldGap = 6;
    static constexpr float textFieldScale = 0.6f;
    static constexpr float verdictTop = 420;
    static constexpr float verdictScale = 0.8f;
    static constexpr float verdictDetailScale = 0.55f;
    static constexpr Vector3 proofMeterTopLeft{300, 330, 0};

    // The options screen: a title, then a row a setting, its name on the left and its buttons on the right.
    static constexpr float optionsTitleTop = 520;
    static constexpr float optionsFirstRowTop = 420;
    static constexpr float optionsRowSpacing = 60;
    static constexpr float optionsNameLeft = 120;
    static constexpr float optionsValueLeft = 470;
    static constexpr float optionsScale = 1;

    // The instructions: the picture over the middle of the field and BACK at the lower right.
    static constexpr Vector3 instructionsCentre = fieldCentre;
    static constexpr float instructionsOpacity = 1;
    static constexpr Vector3 backButtonTopLeft{700, 50, 0};
    static constexpr float backButtonScale = 1;

    // The game screen's bottom bar, spanning the field's width: its translucent picture, the icon and
    // count of each kind of heart, the meter and RESTART LEVEL.
    static constexpr Vector3 bottomBarCentre{400, 37, 0};
    static constexpr float bottomBarOpacity = 0.7f;
    // The bar's top edge, in field units up from the bottom: it covers exactly the field where no heart
    // may go.
    static constexpr int bottomBarTop = LevelRules::heartFloor;
    // Each kind of heart, in the order of HeartKinds, shows its icon and, right of it, how many are left;
    // the kinds share the bar left of the meter, 100 units apart while they fit.
    static constexpr Vector3 heartIconSize{50, 50, 0};
    static constexpr float heartIconOpacity = 1;
    static constexpr Vector3 firstHeartIconCentre{70, 37, 0};
    static constexpr Vector3 heartCountOffset{40, 13, 0};
    static constexpr float widestHeartSpacing = 100;
    static constexpr float countScale = 0.7f;
    static constexpr Vector3 countColour = white;
    static constexpr Vector3 meterTopLeft{300, 70, 0};
    static constexpr Vector3 restartButtonTopLeft{600, 50, 0};
    static constexpr float restartButtonScale = 0.7f;

    // The overlays' one large line: the countdown's, "LEVEL COMPLETE!!" and the congratulations, each
    // at its own left edge on the same row.
    static constexpr float overlayScale = 1.2f;
    static constexpr Vector3 overlayColour = magenta;
    static constexpr Vector3 countdownLineTopLeft{200, 300, 0};
    static constexpr Vector3 levelCompleteTopLeft{270, 300, 0};
    static constexpr Vector3 congratulationsTopLeft{20, 300, 0};
    // OUT OF PARTICLES, on a card of its own where the countdown line stood.
    static constexpr float outOfParticlesTop = countdownLineTopLeft.y;
    static constexpr float outOfParticlesScale = overlayScale;
    static constexpr Vector3 outOfParticlesColour = magenta;
    // The card of a paused level, below the countdown's line: PAUSED large, then how to resume.
    static constexpr float pauseCardTop = 230;
    static constexpr float pauseTitleScale = overlayScale;
    static constexpr Vector3 pauseTitleColour = magenta;
    static constexpr float pauseHintScale = 0.7f;
    static constexpr Vector3 pauseHintColour = white;

    // Where the bar shows the heart kind of that index: the centre of its icon and the top-left corner of
    // its count.
    static constexpr Vector3 heartIconCentre(std::size_t kind)
    {
        const float firstIconLeft = firstHeartIconCentre.x - heartIconSize.x / 2;
        const float room = (meterTopLeft.x - firstIconLeft) / static_cast<float>(HeartKinds::count);
        const float spacing = room < widestHeartSpacing ? room : widestHeartSpacing;
        return Vector3(firstHeartIconCentre.x + spacing * static_cast<float>(kind), firstHeartIconCentre.y,
                       0);
    }
    static constexpr Vector3 heartCountTopLeft(std::size_t kind)
    {
        const Vector3 icon = heartIconCentre(kind);
        return Vector3(icon.x + heartCountOffset.x, icon.y + heartCountOffset.y, 0);
    }

    // The countdown's caption (its place and scales are CaptionLayout's): the level's title in the menu's
    // title colour, its hint in white.
    static constexpr Vector3 captionTitleColour = magenta;
    static constexpr Vector3 captionHintColour = white;
};
