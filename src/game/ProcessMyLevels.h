#pragma once

#include "engine/Handle.h"
#include "engine/Process.h"
#include "game/PlayerLevels.h"

#include <optional>
#include <string>
#include <vector>

class Label;
class TileButton;

// The player's own levels, reached from the level screen's MY LEVELS: each level of PlayerLevels' folder as a
// row with its name and title, and what is wrong with it or how it was won, a page at a time. A click
// chooses a row; PLAY plays the chosen level alone, EDIT opens it in the editor, DELETE removes it on a
// second click, NEW LEVEL opens the editor on an empty field, and COPY GAME LEVEL n copies a level of the
// game, up to the one the save has reached, into the folder. A level that cannot be read is listed with
// why, and is neither played nor edited. The game and the editor run as children of this screen, which
// meanwhile heeds nothing, and the list is read afresh when they end. BACK or Escape ends the screen, and
// ProcessMain shows the level screen again.
class ProcessMyLevels : public Process
{
public:
    static constexpr char titleText[] = "MY LEVELS";

    ProcessMyLevels();
    ~ProcessMyLevels() override;

    void start() override;
    void handleEvent(Event& event) override;

private:
    void buttonClicked(int id);
    void childStopped(const Handle<Object>& stopped);
    // Reads the folder again and shows the page of the chosen level, choosing the one named if it is there.
    void refresh(const std::string& chosenName = std::string());
    void showPage(int shown);
    void showRows();
    void showButtons();
    void choose(std::size_t index);
    // The chosen level if it can be played and edited, with a message saying why not otherwise.
    const PlayerLevels::Entry* chosenReadable();
    void play();
    void edit(bool empty);
    void removeChosen();
    void copyGameLevel();
    void say(const std::string& message);
    int pageCount() const;

    PlayerLevels::Listing listing;
    int page = 0;
    std::optional<std::size_t> chosen;
    // DELETE was clicked once for the chosen level; the next click removes it.
    bool removalAsked = false;
    // The game level COPY copies, from 1 up to the one the save has reached.
    int copiedLevel = 1;
    int reached = 1;
    // The game or the editor while it runs.
    Handle<Process> child;
    std::vector<Handle<TileButton>> rows;
    Handle<Label> message;
};
