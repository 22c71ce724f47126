#include "game/ProcessMyLevels.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventType.h"
#include "engine/StringConversion.h"
#include "game/ButtonClick.h"
#include "game/ButtonId.h"
#include "game/GameFiles.h"
#include "game/GameLevels.h"
#include "game/ProcessEditor.h"
#include "game/ProcessGame.h"
#include "game/Records.h"
#include "game/SaveFile.h"
#include "game/ScreenLayout.h"
#include "game/TextCard.h"
#include "graphics/Font.h"
#include "graphics/Interface.h"
#include "graphics/PlayField.h"
#include "widgets/Label.h"
#include "widgets/TextButton.h"
#include "widgets/TileButton.h"
#include "world/LevelCaption.h"
#include "world/LevelDraft.h"
#include "world/World.h"

#include <SDL.h>

#include <algorithm>

namespace
{
using Layout = ScreenLayout;

Handle<Label> centredLabel(const std::string& text, float scale, float top, const Vector3& colour)
{
    return new Label(text, scale, scale,
                     Vector3(Layout::fieldCentre.x - TextCard::lineWidth(text, scale) / 2, top, 0), colour);
}

std::string heartsText(int hearts)
{
    return intToString(hearts) + (hearts == 1 ? " HEART" : " HEARTS");
}

// A row: the level's name and title, then its first problem or how it was won.
std::vector<TileButton::Line> rowLines(const PlayerLevels::Entry& entry, const Records& records)
{
    const float width = Layout::ownRowRight - Layout::ownRowLeft - 2 * TileButton::padding;
    std::string heading = entry.name;
    if (!entry.title.empty())
        heading += ": " + entry.title;
    std::vector<TileButton::Line> lines{
        {TextCard::fitted(heading, width, Layout::ownNameScale), Layout::ownNameScale, Layout::white}};
    std::string status = "NOT WON YET";
    Vector3 colour = Layout::lockedColour;
    if (!entry.problems.empty())
    {
        status = entry.problems.front();
        if (entry.problems.size() > 1)
            status += " AND " + intToString(static_cast<int>(entry.problems.size() - 1)) + " MORE";
        colour = Layout::problemColour;
    }
    else if (const std::optional<int> best = records.bestOf(PlayerLevels::recordsKey(entry.name)))
    {
        status = "WON WITH " + heartsText(*best);
        colour = Layout::wonColour;
    }
    lines.push_back(
        {TextCard::fitted(status, width, Layout::ownStatusScale), Layout::ownStatusScale, colour});
    return lines;
}
} // namespace

ProcessMyLevels::ProcessMyLevels() = default;

ProcessMyLevels::~ProcessMyLevels() = default;

void ProcessMyLevels::start()
{
    Process::start();
    listen(ButtonClicked);
    listen(KeyUp);
    listen(ProcessStopped);
    reached = std::clamp(SaveFile::readLevel(), 1, std::max(GameLevels::count(), 1));
    copiedLevel = reached;
    refresh();
}

void ProcessMyLevels::handleEvent(Event& event)
{
    if (event.type == ProcessStopped)
        childStopped(event.getObject());
    else if (child)
        return;
    else if (event.type == KeyUp && stringToInt(event.getParameter(0)) == SDLK_ESCAPE)
        ButtonClick::post(LeaveMyLevels);
    else if (event.type == ButtonClicked)
        buttonClicked(stringToInt(event.getParameter(0)));
}

void ProcessMyLevels::buttonClicked(int id)
{
    if (id != DeleteOwnLevel)
        removalAsked = false;
    if (id >= firstOwnLevelRow && id < firstOwnLevelRow + Layout::ownRowsPerPage)
        choose(static_cast<std::size_t>(page * Layout::ownRowsPerPage + id - firstOwnLevelRow));
    else if (id == PreviousPage || id == NextPage)
        showPage(std::clamp(page + (id == NextPage ? 1 : -1), 0, pageCount() - 1));
    else if (id == PlayOwnLevel)
        play();
    else if (id == EditOwnLevel)
        edit(false);
    else if (id == NewOwnLevel)
        edit(true);
    else if (id == DeleteOwnLevel)
        removeChosen();
    else if (id == CopyGameLevel)
        copyGameLevel();
    else if (id == EarlierGameLevel || id == LaterGameLevel)
    {
        copiedLevel = std::clamp(copiedLevel + (id == LaterGameLevel ? 1 : -1), 1, reached);
        showPage(page);
    }
    else if (id == LeaveMyLevels)
        finished = true;
}

void ProcessMyLevels::childStopped(const Handle<Object>& stopped)
{
    if (!child || stopped != child)
        return;
    std::string shownName;
    if (auto* editor = dynamic_cast<ProcessEditor*>(child.get()))
        shownName = editor->getName();
    else if (chosen)
        shownName = listing.levels[*chosen].name;
    child = nullptr;
    Core::instance()->getWorld()->load(GameFiles::backgroundLevel);
    refresh(shownName);
}

void ProcessMyLevels::refresh(const std::string& chosenName)
{
    listing = PlayerLevels::list();
    const auto named =
        std::find_if(listing.levels.begin(), listing.levels.end(),
                     [&](const PlayerLevels::Entry& entry) { return entry.name == chosenName; });
    if (named != listing.levels.end())
        chosen = static_cast<std::size_t>(named - listing.levels.begin());
    else if (chosen && *chosen >= listing.levels.size())
        chosen =
            listing.levels.empty() ? std::nullopt : std::optional<std::size_t>(listing.levels.size() - 1);
    showPage(chosen ? static_cast<int>(*chosen) / Layout::ownRowsPerPage : 0);
    if (listing.leftOut > 0)
        say(intToString(static_cast<int>(listing.leftOut)) + " MORE LEVELS IN THE FOLDER ARE NOT LISTED");
}

void ProcessMyLevels::showPage(int shown)
{
    page = shown;
    Core::instance()->getInterface()->clear();
    Core::instance()->getInterface()->addWidget(
        centredLabel(titleText, Layout::levelsTitleScale, Layout::levelsTitleTop, Layout::magenta));
    showRows();
    showButtons();
}

void ProcessMyLevels::showRows()
{
    Handle<Interface> interface = Core::instance()->getInterface();
    rows.clear();
    if (listing.levels.empty())
    {
        interface->addWidget(centredLabel("NO LEVELS OF YOUR OWN YET: MAKE ONE WITH NEW LEVEL",
                                          Layout::ownNameScale, Layout::firstOwnRowTop, Layout::white));
        return;
    }
    const Records records = Records::load();
    const std::size_t first = static_cast<std::size_t>(page * Layout::ownRowsPerPage);
    for (std::size_t index = first;
         index < listing.levels.size() && index < first + static_cast<std::size_t>(Layout::ownRowsPerPage);
         ++index)
    {
        const float top = Layout::firstOwnRowTop -
                          static_cast<float>(index - first) * (Layout::ownRowHeight + Layout::ownRowGap);
        Handle<TileButton> row(new TileButton(firstOwnLevelRow + static_cast<int>(index - first),
                                              Layout::ownRowLeft, top - Layout::ownRowHeight,
                                              Layout::ownRowRight, top,
                                              rowLines(listing.levels[index], records), true));
        row->setFocused(chosen == index);
        rows.push_back(row);
        interface->addWidget(row);
    }
}

void ProcessMyLevels::showButtons()
{
    Handle<Interface> interface = Core::instance()->getInterface();
    const auto button = [&](int id, const std::string& text, float left, float top, float scale)
    { interface->addWidget(new TextButton(id, text, Vector3(left, top, 0), scale, scale)); };
    if (pageCount() > 1)
    {
        const float scale = Layout::pageButtonScale;
        interface->addWidget(centredLabel("PAGE " + intToString(page + 1) + " OF " + intToString(pageCount()),
                                          scale, Layout::ownPagesTop, Layout::white));
        button(PreviousPage, "PREVIOUS", Layout::ownRowLeft, Layout::ownPagesTop, scale);
        button(NextPage, "NEXT", Layout::ownRowRight - TextCard::lineWidth("NEXT", scale),
               Layout::ownPagesTop, scale);
    }
    const char* actions[] = {"PLAY", "EDIT", removalAsked ? "SURE?" : "DELETE", "NEW LEVEL"};
    const int ids[] = {PlayOwnLevel, EditOwnLevel, DeleteOwnLevel, NewOwnLevel};
    for (std::size_t action = 0; action < std::size(ids); ++action)
        button(ids[action], actions[action], Layout::ownActionLefts[action], Layout::ownActionsTop,
               Layout::ownActionScale);
    button(CopyGameLevel, "COPY GAME LEVEL " + intToString(copiedLevel), Layout::ownRowLeft, Layout::copyTop,
           Layout::copyScale);
    button(EarlierGameLevel, "LESS", Layout::copyLessLeft, Layout::copyTop, Layout::copyScale);
    button(LaterGameLevel, "MORE", Layout::copyMoreLeft, Layout::copyTop, Layout::copyScale);
    message =
        new Label("", Layout::messageScale, Layout::messageScale, Layout::messageTopLeft, Layout::white);
    interface->addWidget(message);
    interface->addWidget(new TextButton(LeaveMyLevels, "BACK", Layout::backButtonTopLeft,
                                        Layout::backButtonScale, Layout::backButtonScale));
}

void ProcessMyLevels::choose(std::size_t index)
{
    if (index >= listing.levels.size())
        return;
    chosen = index;
    for (std::size_t row = 0; row < rows.size(); ++row)
        rows[row]->setFocused(static_cast<std::size_t>(page * Layout::ownRowsPerPage) + row == index);
    const PlayerLevels::Entry& entry = listing.levels[index];
    say(entry.problems.empty() ? entry.name : entry.problems.front());
}

const PlayerLevels::Entry* ProcessMyLevels::chosenReadable()
{
    if (!chosen)
    {
        say("CHOOSE A LEVEL FIRST");
        return nullptr;
    }
    const PlayerLevels::Entry& entry = listing.levels[*chosen];
    if (!entry.readable)
    {
        say("THIS FILE CANNOT BE READ AS A LEVEL");
        return nullptr;
    }
    return &entry;
}

void ProcessMyLevels::play()
{
    if (const PlayerLevels::Entry* entry = chosenReadable())
    {
        child = new ProcessGame(ProcessGame::OwnLevel{entry->path, PlayerLevels::recordsKey(entry->name)});
        addChild(child);
    }
}

void ProcessMyLevels::edit(bool empty)
{
    if (empty)
    {
        child = new ProcessEditor(LevelDraft(), std::string());
        addChild(child);
    }
    else if (const PlayerLevels::Entry* entry = chosenReadable())
    {
        child = new ProcessEditor(LevelDraft::read(entry->path), entry->name);
        addChild(child);
    }
}

void ProcessMyLevels::removeChosen()
{
    if (!chosen)
    {
        say("CHOOSE A LEVEL FIRST");
        return;
    }
    if (!removalAsked)
    {
        removalAsked = true;
        showPage(page);
        say("CLICK SURE? TO DELETE " + LevelCaption::drawable(listing.levels[*chosen].name));
        return;
    }
    removalAsked = false;
    const std::string name = listing.levels[*chosen].name;
    const bool removed = PlayerLevels::remove(name);
    refresh();
    say(LevelCaption::drawable(name) + (removed ? " DELETED" : " COULD NOT BE DELETED"));
}

void ProcessMyLevels::copyGameLevel()
{
    const std::optional<std::string> name = PlayerLevels::copyIn(GameLevels::fileName(copiedLevel));
    refresh(name.value_or(std::string()));
    say(name ? "GAME LEVEL " + intToString(copiedLevel) + " COPIED AS " + LevelCaption::drawable(*name)
             : "GAME LEVEL " + intToString(copiedLevel) + " COULD NOT BE COPIED");
}

void ProcessMyLevels::say(const std::string& text)
{
    message->setText(TextCard::fitted(text, Layout::backButtonTopLeft.x - Layout::messageTopLeft.x - 10,
                                      Layout::messageScale));
}

int ProcessMyLevels::pageCount() const
{
    const int levels = static_cast<int>(listing.levels.size());
    return std::max(1, (levels + Layout::ownRowsPerPage - 1) / Layout::ownRowsPerPage);
}
