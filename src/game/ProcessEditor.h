#pragma once

#include "engine/Handle.h"
#include "engine/Process.h"
#include "game/LevelEditing.h"
#include "game/LevelProver.h"
#include "game/TextCard.h"

#include <optional>
#include <string>
#include <vector>

class EditorMarks;
class Label;
class Meter;
class TextField;
class Widget;

// The editor of one of the player's levels, on the real field drawn as in play. A tile of the bar arms a
// generator or a body of a kind, and the next click on the field puts it there; a click chooses what is under
// the pointer and a drag moves it; a chosen generator's aim is dragged to set its direction and speed. The
// panel at the top right steps the chosen thing's values and deletes it, as Delete does. TEXT edits the
// title and the hint with a preview of the countdown's card; UNDO or Ctrl+Z takes back the last change.
// PLAY plays the level as it stands, as the game would, and comes back here; PROVE has the level tool prove
// it in the background, with its progress shown, and writes a solution it finds into the level; SAVE writes
// it into the player's folder. BACK or Escape leaves, asking first when there are unsaved changes. The World
// shows the level being edited throughout; the game played from here is this screen's child, and meanwhile
// the editor heeds nothing but its end.
class ProcessEditor : public Process
{
public:
    static constexpr char notSavedText[] = "NOT SAVED";
    static constexpr char leaveAskText[] = "NOT SAVED: BACK AGAIN LEAVES WITHOUT SAVING";
    // The longest title and hint the fields take, in characters.
    static constexpr std::size_t longestTitle = 60;
    static constexpr std::size_t longestHint = 160;
    // How many lines of the level's problems the field's corner shows.
    static constexpr std::size_t problemLinesShown = 8;

    // Edits the draft, saved under the name given, or under a free name at its first save when empty.
    ProcessEditor(LevelDraft draft, std::string name);
    ~ProcessEditor() override;

    // The name the level is saved under; empty while a new level has never been saved.
    const std::string& getName() const;

    void start() override;
    // Ends a proof under way.
    void stop() override;
    void handleEvent(Event& event) override;

private:
    enum class Mode
    {
        Field,
        Text
    };

    void buttonClicked(int id);
    void mousePressed(float x, float y);
    void mouseMoved(float x, float y);
    void keyPressed(int key, int character, int modifiers);
    void typed(int key, int character);
    void ticked();
    void gameStopped(const Handle<Object>& stopped);

    // Shows the level and every widget for the state as it now is. A change marks the screen stale instead,
    // and the next Tick shows it once, however many events changed it in the frame.
    void show();
    void showBar();
    void showPanel();
    // Where the panel of the chosen thing ends, at the bottom.
    float panelBottom() const;
    void showPanelRow(int row, const std::string& name, const std::string& value, int lessId, int moreId);
    void showTextMode();
    void showProof();
    void showProblems();
    void add(Handle<Widget> widget);

    void changed();
    void leave();
    void play();
    void prove();
    void save();
    void proofEnded(const ProofResult& result);
    void focusField(int id);
    void say(const std::string& message);
    std::string statusText() const;

    LevelEditing editing;
    std::string name;
    // What the file said was wrong as it was opened; gone once it is saved.
    std::vector<std::string> fileProblems;
    Mode mode = Mode::Field;
    // The tile armed for the next click on the field: a generator, or a body of that kind.
    std::optional<LevelEditing::Pick> adding;
    // The part held by the pointer, and the pointer's offset from its centre.
    LevelEditing::Part dragged = LevelEditing::Part::Nothing;
    Vector3 grabOffset;
    // BACK was clicked once with unsaved changes.
    bool leaveAsked = false;
    std::string message;

    LevelProver prover;
    bool proving = false;
    // The level as it was when the proof began: a solution is written only into that level.
    std::string provedText;
    std::optional<ProofResult> verdict;

    bool stale = false;
    // The id of the text field that has the keys, 0 for none.
    int fieldWithKeys = 0;

    Handle<Process> game;
    Handle<TextField> titleField;
    Handle<TextField> hintField;
    Handle<Meter> proofMeter;
    Handle<Label> proofPhase;
    TextCard verdictCard;
    TextCard captionPreview;
};
