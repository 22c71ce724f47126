#include "game/CaptionLayout.h"

#include "engine/StringConversion.h"
#include "game/GeneratorSigns.h"
#include "game/ScreenLayout.h"
#include "game/TextCard.h"
#include "world/LevelCaption.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>
#include <limits>

// A card the placement may take: where it stands and how wide its lines are, its rectangle and its letters.
struct CaptionLayout::CardChoice
{
    Placement placement;
    FieldRect panel;
    std::vector<FieldRect> letters;
};

// A place the countdown line may take: its rectangle, the share of each body it covers, and whether it
// keeps clear of every sign.
struct CaptionLayout::LineChoice
{
    Vector3 topLeft;
    FieldRect rect;
    std::vector<float> shares;
    bool signFree;
};

namespace
{
// Room round a sign's ring and arrow, for their dark edge, in field units.
constexpr float signEdge = 3;
// The arrow's head spreads this far from its shaft.
constexpr float arrowHalfWidth = 7;

struct ShownLine
{
    std::string text;
    float scale;
};

std::size_t columnsOf(float width, float scale)
{
    return static_cast<std::size_t>(width / (Font::glyphWidthPixels * scale));
}

std::vector<ShownLine> captionLines(const LevelCaption& caption, float width)
{
    std::vector<ShownLine> lines;
    for (const std::string& line : CaptionLayout::titleLines(caption, width))
        lines.push_back(ShownLine{line, CaptionLayout::titleScale});
    for (const std::string& line : CaptionLayout::hintLines(caption, width))
        lines.push_back(ShownLine{line, CaptionLayout::hintScale});
    return lines;
}

float heightOf(const std::vector<ShownLine>& lines)
{
    float height = 0;
    for (const ShownLine& line : lines)
        height += TextCard::lineHeight(line.scale);
    return height;
}

FieldRect lineRect(float left, float top, float width, float height)
{
    return FieldRect{left, top - height, left + width, top};
}

// At a narrower width the card must still show all that the full width shows.
bool showsAllAt(const LevelCaption& caption, float width)
{
    const std::string title = LevelCaption::drawable(caption.getTitle());
    const std::string hint = LevelCaption::drawable(caption.getHint());
    return LevelCaption::countLines(title, columnsOf(width, CaptionLayout::titleScale)) <=
               CaptionLayout::titleLinesShown &&
           LevelCaption::countLines(hint, columnsOf(width, CaptionLayout::hintScale)) <=
               CaptionLayout::hintLinesShown;
}

std::vector<float> sharesUnder(const FieldRect& rect, const World& world)
{
    std::vector<float> shares;
    for (const GravBody& body : world.getBodies())
        shares.push_back(rect.coveredShareOf(body.position.x, body.position.y, body.radius));
    return shares;
}

bool anyOverlap(const std::vector<FieldRect>& some, const std::vector<FieldRect>& others)
{
    for (const FieldRect& one : some)
        for (const FieldRect& other : others)
            if (one.overlaps(other))
                return true;
    return false;
}
} // namespace

std::string CaptionLayout::Placement::describe() const
{
    std::string where = atBottom ? "bottom" : "at y " + intToString(static_cast<int>(captionTop));
    if (captionTop == shownTop)
        where = "top";
    if (captionWidth < shownWidth)
        where += ", " + intToString(static_cast<int>(captionWidth)) + " wide at x " +
                 intToString(static_cast<int>(captionCentre));
    return where;
}

std::vector<std::string> CaptionLayout::titleLines(const LevelCaption& caption, float width)
{
    return LevelCaption::wrap(LevelCaption::drawable(caption.getTitle()), columnsOf(width, titleScale),
                              titleLinesShown);
}

std::vector<std::string> CaptionLayout::hintLines(const LevelCaption& caption, float width)
{
    return LevelCaption::wrap(LevelCaption::drawable(caption.getHint()), columnsOf(width, hintScale),
                              hintLinesShown);
}

std::string CaptionLayout::countdownText(const std::string& heading, int secondsLeft)
{
    return heading + " STARTING IN " + intToString(secondsLeft);
}

std::string CaptionLayout::levelHeading(int level)
{
    return "LEVEL " + intToString(level);
}

CaptionLayout::Placement CaptionLayout::place(const LevelCaption& caption, const std::string& heading,
                                              const World& world)
{
    const std::vector<FieldRect> signRects = signs(world);
    // Every place the countdown line may take, each with what it hides, worked out once for every card.
    std::vector<LineChoice> lines;
    for (const Vector3& topLeft : countdownPlaces(heading))
    {
        const FieldRect rect = countdownLine(heading, topLeft);
        lines.push_back(LineChoice{topLeft, rect, sharesUnder(rect, world), !anyOverlap(signRects, {rect})});
    }
    Placement best;
    float bestWorst = std::numeric_limits<float>::infinity();
    bool bestSignFree = false;
    // The first card in the order of preference that, with the countdown line in the nearest place it
    // leaves, hides nothing; else the placement that hides least.
    for (const CardChoice& choice : cardChoices(caption))
    {
        const std::vector<float> cardShares = sharesUnder(choice.panel, world);
        const bool cardSignFree = !anyOverlap(signRects, choice.letters);
        for (const LineChoice& line : lines)
        {
            const bool clearOfCard = line.rect.bottom >= choice.panel.top + lineClearance ||
                                     line.rect.top <= choice.panel.bottom - lineClearance;
            if (!clearOfCard)
                continue;
            float worst = 0;
            for (std::size_t body = 0; body < cardShares.size(); ++body)
                worst = std::max(worst, cardShares[body] + line.shares[body]);
            const bool signFree = cardSignFree && line.signFree;
            Placement trial = choice.placement;
            trial.countdownTopLeft = line.topLeft;
            if (worst <= mostCoveredShare && signFree)
                return trial;
            if ((signFree && !bestSignFree) || (signFree == bestSignFree && worst < bestWorst))
            {
                best = trial;
                bestWorst = worst;
                bestSignFree = signFree;
            }
        }
    }
    return best;
}

std::vector<float> CaptionLayout::coveredShares(const LevelCaption& caption, const std::string& heading,
                                                const World& world, const Placement& placement)
{
    std::vector<float> shares = sharesUnder(card(caption, placement), world);
    const std::vector<float> lineShares =
        sharesUnder(countdownLine(heading, placement.countdownTopLeft), world);
    for (std::size_t body = 0; body < shares.size(); ++body)
        shares[body] = std::min(1.0f, shares[body] + lineShares[body]);
    return shares;
}

bool CaptionLayout::hasSignOnLetters(const LevelCaption& caption, const std::string& heading,
                                     const World& world, const Placement& placement)
{
    return anyOverlap(signs(world), letters(caption, heading, placement));
}

// Across the top, across the bottom above the bar, across the field at every height in between from the
// top down; then narrower, from either side of the field inwards, at every height.
std::vector<CaptionLayout::CardChoice> CaptionLayout::cardChoices(const LevelCaption& caption)
{
    std::vector<CardChoice> choices;
    const auto lowestTop = [&](float width)
    {
        return ScreenLayout::bottomBarTop + edgeClearance + TextCard::padding +
               heightOf(captionLines(caption, width));
    };
    const auto addAt = [&](float width, float centre, const std::vector<float>& tops)
    {
        for (const float top : tops)
        {
            CardChoice choice;
            choice.placement.captionTop = top;
            choice.placement.captionCentre = centre;
            choice.placement.captionWidth = width;
            choice.placement.atBottom = top == lowestTop(width);
            choice.panel = card(caption, choice.placement);
            choice.letters = letters(caption, std::string(), choice.placement);
            choice.letters.pop_back();
            choices.push_back(choice);
        }
    };
    const auto topsFor = [&](float width, bool bottomFirst)
    {
        const float lowest = lowestTop(width);
        std::vector<float> tops{shownTop};
        if (bottomFirst && lowest < shownTop)
            tops.push_back(lowest);
        for (float top = shownTop - step; top > lowest; top -= step)
            tops.push_back(top);
        if (!bottomFirst && lowest < shownTop)
            tops.push_back(lowest);
        return tops;
    };
    addAt(shownWidth, ScreenLayout::fieldCentre.x, topsFor(shownWidth, true));
    for (const float width : narrowerWidths)
    {
        if (!showsAllAt(caption, width))
            continue;
        const float aside = edgeClearance + TextCard::padding + width / 2;
        for (float inward = 0; aside + inward <= World::fieldWidth - aside - inward; inward += 4 * step)
            for (const float centre : {aside + inward, World::fieldWidth - aside - inward})
                addAt(width, centre, topsFor(width, false));
    }
    return choices;
}

FieldRect CaptionLayout::card(const LevelCaption& caption, const Placement& placement)
{
    const std::vector<ShownLine> lines = captionLines(caption, placement.captionWidth);
    float widest = 0;
    for (const ShownLine& line : lines)
        widest = std::max(widest, TextCard::lineWidth(line.text, line.scale));
    if (lines.empty())
        return FieldRect{placement.captionCentre, placement.captionTop, placement.captionCentre,
                         placement.captionTop};
    return TextCard::panelAround(widest, heightOf(lines), placement.captionTop, placement.captionCentre);
}

// Each line's letters as TextCard centres them, then the countdown line's.
std::vector<FieldRect> CaptionLayout::letters(const LevelCaption& caption, const std::string& heading,
                                              const Placement& placement)
{
    std::vector<FieldRect> rects;
    float top = placement.captionTop;
    for (const ShownLine& line : captionLines(caption, placement.captionWidth))
    {
        const float width = TextCard::lineWidth(line.text, line.scale);
        const float height = TextCard::lineHeight(line.scale);
        rects.push_back(lineRect(std::round(placement.captionCentre - width / 2), top, width, height));
        top -= height;
    }
    rects.push_back(countdownLine(heading, placement.countdownTopLeft));
    return rects;
}

FieldRect CaptionLayout::countdownLine(const std::string& heading, const Vector3& topLeft)
{
    return lineRect(topLeft.x, topLeft.y,
                    TextCard::lineWidth(countdownText(heading, 0), ScreenLayout::overlayScale),
                    TextCard::lineHeight(ScreenLayout::overlayScale));
}

// A sign's ring, and the box its arrow sweeps from the ring to the tip, with room for the dark edge.
std::vector<FieldRect> CaptionLayout::signs(const World& world)
{
    constexpr float ring = GeneratorSigns::ringRadius + signEdge;
    std::vector<FieldRect> rects;
    for (const Generator& generator : world.getGenerators())
    {
        if (generator.remaining <= 0)
            continue;
        const Vector3& at = generator.position;
        rects.push_back(FieldRect{at.x - ring, at.y - ring, at.x + ring, at.y + ring});
        if (generator.velocity.length() == 0)
            continue;
        const Vector3 tip = at + generator.velocity.normalised() * (GeneratorSigns::arrowLength + signEdge);
        rects.push_back(
            FieldRect{std::min(at.x, tip.x) - arrowHalfWidth, std::min(at.y, tip.y) - arrowHalfWidth,
                      std::max(at.x, tip.x) + arrowHalfWidth, std::max(at.y, tip.y) + arrowHalfWidth});
    }
    return rects;
}

// The countdown line's own place first; then its own left edge (or, for a long heading, the rightmost
// that keeps it on the field) in rows one step further up and down in turn, on the field between the bar
// and the top edge; then the same rows with the line every other step from the left edge to the right.
std::vector<Vector3> CaptionLayout::countdownPlaces(const std::string& heading)
{
    const float height = TextCard::lineHeight(ScreenLayout::overlayScale);
    const float width = TextCard::lineWidth(countdownText(heading, 0), ScreenLayout::overlayScale);
    const float rightmost = std::max(edgeClearance, World::fieldWidth - edgeClearance - width);
    std::vector<float> lefts{std::min(ScreenLayout::countdownLineTopLeft.x, rightmost)};
    for (float left = edgeClearance; left <= rightmost; left += 2 * step)
        lefts.push_back(left);
    const float home = ScreenLayout::countdownLineTopLeft.y;
    const float lowest = ScreenLayout::bottomBarTop + edgeClearance + height;
    const float highest = World::fieldHeight - edgeClearance;
    std::vector<float> rows;
    for (float away = 0; home - away >= lowest || home + away <= highest; away += step)
        for (const float row : {home - away, home + away})
            if (row >= lowest && row <= highest && std::find(rows.begin(), rows.end(), row) == rows.end())
                rows.push_back(row);
    std::vector<Vector3> places;
    for (const float left : lefts)
        for (const float row : rows)
            places.push_back(Vector3(left, row, 0));
    return places;
}
