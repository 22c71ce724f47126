#pragma once

#include "game/FieldRect.h"
#include "graphics/Font.h"
#include "world/Vector3.h"

#include <cstddef>
#include <string>
#include <vector>

class LevelCaption;
class World;

// Where the countdown shows a level's caption and its own line, and how much of the caption: the title on
// one line, the hint wrapped below it, on a card. The card stands across the top of the field unless that
// hides a body or puts a generator's sign on a letter; then it goes where the level leaves room: across the
// bottom above the bar, at another height, or narrower and aside. The countdown line keeps its row unless
// that covers a body. Read by the countdown and by the level tool, which reports what a caption hides.
class CaptionLayout
{
public:
    // In field units: the title's top at the top of the field, the width every line is centred within, and
    // the lowest the hint's last line may reach there, which decides how many hint lines are shown. Scales
    // multiply the font's glyph cell.
    static constexpr float shownTop = 575;
    static constexpr float shownWidth = 720;
    static constexpr float shownBottom = 325;
    static constexpr float titleScale = 1;
    static constexpr float hintScale = 0.7f;
    static constexpr std::size_t titleColumns =
        static_cast<std::size_t>(shownWidth / (Font::glyphWidthPixels * titleScale));
    static constexpr std::size_t hintColumns =
        static_cast<std::size_t>(shownWidth / (Font::glyphWidthPixels * hintScale));
    // The title's one line, then the hint's lines that fit above shownBottom; further lines are not shown.
    static constexpr std::size_t titleLinesShown = 1;
    static constexpr std::size_t hintLinesShown =
        static_cast<std::size_t>((shownTop - Font::glyphHeightPixels * titleScale - shownBottom) /
                                 (Font::glyphHeightPixels * hintScale));

    // The most of any body's disc, as a share from 0 to 1, that the card and the countdown line may cover.
    static constexpr float mostCoveredShare = 0.1f;
    // Narrower widths a card may take to stand aside, in field units of text; only one that shows the whole
    // caption the full width shows.
    static constexpr float narrowerWidths[] = {520, 380, 280};
    // Field units kept clear between a card and the bar, the field's edges and the countdown line; cards and
    // the countdown line are tried this far apart, nearest their own places first.
    static constexpr float edgeClearance = 6;
    static constexpr float lineClearance = 15;
    static constexpr float step = 10;

    struct Placement
    {
        // The top of the title's line and the middle of every line of the card, and whether the card
        // stands as low as it can, just above the bar.
        float captionTop = shownTop;
        bool atBottom = false;
        float captionCentre = 400;
        // The width the card's lines are wrapped to, in field units.
        float captionWidth = shownWidth;
        // The countdown line's top-left corner.
        Vector3 countdownTopLeft;

        // A short description for the level tool: "top", "bottom" or "at y 420", and for a narrower card
        // its middle: "at x 220".
        std::string describe() const;
    };

    // The lines of the title and of the hint as the countdown shows them, at the full width or at the
    // placement's.
    static std::vector<std::string> titleLines(const LevelCaption& caption, float width = shownWidth);
    static std::vector<std::string> hintLines(const LevelCaption& caption, float width = shownWidth);
    // The countdown's line, "LEVEL n STARTING IN s": its heading, then the seconds.
    static std::string countdownText(const std::string& heading, int secondsLeft);
    // The heading of a level of the game, "LEVEL n"; the player's own levels have playerLevelHeading.
    static std::string levelHeading(int level);
    static constexpr char playerLevelHeading[] = "YOUR LEVEL";

    // The placement for the level as the World holds it, just loaded, under the countdown line's heading.
    static Placement place(const LevelCaption& caption, const std::string& heading, const World& world);
    // Per body, in the World's order, the share of its disc under the card and the countdown line.
    static std::vector<float> coveredShares(const LevelCaption& caption, const std::string& heading,
                                            const World& world, const Placement& placement);
    // Whether a generator's sign stands on a letter of the caption or of the countdown line.
    static bool hasSignOnLetters(const LevelCaption& caption, const std::string& heading, const World& world,
                                 const Placement& placement);

private:
    struct CardChoice;
    struct LineChoice;

    static std::vector<CardChoice> cardChoices(const LevelCaption& caption);
    static FieldRect card(const LevelCaption& caption, const Placement& placement);
    static std::vector<FieldRect> letters(const LevelCaption& caption, const std::string& heading,
                                          const Placement& placement);
    static FieldRect countdownLine(const std::string& heading, const Vector3& topLeft);
    static std::vector<FieldRect> signs(const World& world);
    static std::vector<Vector3> countdownPlaces(const std::string& heading);
};
