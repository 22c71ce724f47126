#include "game/ProcessLevels.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventType.h"
#include "engine/StringConversion.h"
#include "game/ButtonClick.h"
#include "game/ButtonId.h"
#include "game/GameLevels.h"
#include "game/Records.h"
#include "game/SaveFile.h"
#include "game/ScreenLayout.h"
#include "graphics/Font.h"
#include "graphics/Interface.h"
#include "graphics/PlayField.h"
#include "widgets/Label.h"
#include "widgets/TextButton.h"
#include "widgets/TileButton.h"
#include "world/LevelCaption.h"

#include <SDL.h>

#include <algorithm>

namespace
{
constexpr int tilesPerPage = ScreenLayout::tileColumns * ScreenLayout::tileRows;

float centredLeft(const std::string& text, float scale)
{
    return ScreenLayout::fieldCentre.x - static_cast<float>(text.size()) * Font::glyphWidthPixels * scale / 2;
}

// What a tile says: its number, its title over at most two lines, and LOCKED, or how it was won.
std::vector<TileButton::Line> tileLines(int level, bool open, const std::optional<int>& record)
{
    using Layout = ScreenLayout;
    const Vector3 textColour = open ? Layout::white : Layout::lockedColour;
    std::vector<TileButton::Line> lines{{intToString(level), Layout::tileNumberScale, textColour}};
    const auto columns = static_cast<std::size_t>((Layout::tileWidth - 2 * TileButton::padding) /
                                                  (Font::glyphWidthPixels * Layout::tileTextScale));
    for (const std::string& line : LevelCaption::wrap(LevelCaption::drawable(GameLevels::title(level)),
                                                      columns, Layout::tileTitleLines))
        lines.push_back({line, Layout::tileTextScale, textColour});
    if (!open)
        lines.push_back({"LOCKED", Layout::tileTextScale, Layout::lockedColour});
    else if (record)
        lines.push_back({"WON, " + intToString(*record) + (*record == 1 ? " HEART" : " HEARTS"),
                         Layout::tileTextScale, Layout::wonColour});
    return lines;
}
} // namespace

ProcessLevels::ProcessLevels() = default;

ProcessLevels::~ProcessLevels() = default;

void ProcessLevels::start()
{
    Process::start();
    listen(ButtonClicked);
    listen(KeyDown);
    listen(KeyUp);
    levels = GameLevels::count();
    reached = std::min(SaveFile::readLevel(), std::max(levels, 1));
    chosen = reached;
    showPage((chosen - 1) / tilesPerPage);
}

void ProcessLevels::handleEvent(Event& event)
{
    if (event.type == KeyDown)
        keyPressed(stringToInt(event.getParameter(0)));
    else if (event.type == KeyUp && stringToInt(event.getParameter(0)) == SDLK_ESCAPE)
        ButtonClick::post(Back);
    else if (event.type == ButtonClicked)
    {
        const int id = stringToInt(event.getParameter(0));
        if (id == PreviousPage || id == NextPage)
        {
            const int turned = std::clamp(page + (id == NextPage ? 1 : -1), 0, pageCount() - 1);
            chosen = std::clamp(turned * tilesPerPage + 1, 1, reached);
            showPage(turned);
        }
        else if (id == Back || id == MyLevels || id > firstLevelTile)
            finished = true;
    }
}

void ProcessLevels::showPage(int shown)
{
    using Layout = ScreenLayout;
    page = shown;
    Handle<Interface> interface = Core::instance()->getInterface();
    interface->clear();
    tiles.clear();
    const std::string title = "LEVELS";
    interface->addWidget(new Label(
        title, Layout::levelsTitleScale, Layout::levelsTitleScale,
        Vector3(centredLeft(title, Layout::levelsTitleScale), Layout::levelsTitleTop, 0), Layout::magenta));
    const Records records = Records::load();
    const int first = page * tilesPerPage + 1;
    for (int level = first; level < first + tilesPerPage && level <= levels; ++level)
    {
        const int slot = level - first;
        const float left = Layout::firstTileLeft + static_cast<float>(slot % Layout::tileColumns) *
                                                       (Layout::tileWidth + Layout::tileGap);
        const float top = Layout::firstTileTop - static_cast<float>(slot / Layout::tileColumns) *
                                                     (Layout::tileHeight + Layout::tileGap);
        const bool open = level <= reached;
        Handle<TileButton> tile(
            new TileButton(firstLevelTile + level, left, top - Layout::tileHeight, left + Layout::tileWidth,
                           top, tileLines(level, open, records.bestOf(Records::keyOf(level))), open));
        tile->setFocused(level == chosen);
        tiles.push_back(tile);
        interface->addWidget(tile);
    }
    if (pageCount() > 1)
    {
        const std::string pageText = "PAGE " + intToString(page + 1) + " OF " + intToString(pageCount());
        interface->addWidget(
            new Label(pageText, Layout::pageButtonScale, Layout::pageButtonScale,
                      Vector3(centredLeft(pageText, Layout::pageButtonScale), Layout::pageButtonsTop, 0),
                      Layout::white));
        interface->addWidget(new TextButton(PreviousPage, "PREVIOUS",
                                            Vector3(Layout::firstTileLeft, Layout::pageButtonsTop, 0),
                                            Layout::pageButtonScale, Layout::pageButtonScale));
        const std::string next = "NEXT";
        interface->addWidget(new TextButton(
            NextPage, next,
            Vector3(PlayField::width - Layout::firstTileLeft -
                        static_cast<float>(next.size()) * Font::glyphWidthPixels * Layout::pageButtonScale,
                    Layout::pageButtonsTop, 0),
            Layout::pageButtonScale, Layout::pageButtonScale));
    }
    interface->addWidget(new TextButton(MyLevels, "MY LEVELS", Layout::myLevelsButtonTopLeft,
                                        Layout::backButtonScale, Layout::backButtonScale));
    interface->addWidget(new TextButton(Back, "BACK", Layout::backButtonTopLeft, Layout::backButtonScale,
                                        Layout::backButtonScale));
}

void ProcessLevels::keyPressed(int key)
{
    switch (key)
    {
    case SDLK_LEFT:
        moveChoice(-1);
        break;
    case SDLK_RIGHT:
        moveChoice(1);
        break;
    case SDLK_UP:
        moveChoice(-ScreenLayout::tileColumns);
        break;
    case SDLK_DOWN:
        moveChoice(ScreenLayout::tileColumns);
        break;
    case SDLK_PAGEUP:
        moveChoice(-tilesPerPage);
        break;
    case SDLK_PAGEDOWN:
        moveChoice(tilesPerPage);
        break;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
    case SDLK_SPACE:
        chooseTile();
        break;
    default:
        break;
    }
}

void ProcessLevels::moveChoice(int by)
{
    if (levels == 0)
        return;
    // Locked levels cannot be played, so the keys never stop on one.
    chosen = std::clamp(chosen + by, 1, reached);
    const int chosenPage = (chosen - 1) / tilesPerPage;
    if (chosenPage != page)
    {
        showPage(chosenPage);
        return;
    }
    for (const Handle<TileButton>& tile : tiles)
        tile->setFocused(tile->getId() == firstLevelTile + chosen);
}

void ProcessLevels::chooseTile()
{
    if (chosen >= 1 && chosen <= reached)
        ButtonClick::post(firstLevelTile + chosen);
}

int ProcessLevels::pageCount() const
{
    return std::max(1, (levels + tilesPerPage - 1) / tilesPerPage);
}
