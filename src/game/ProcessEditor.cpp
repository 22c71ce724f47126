#include "game/ProcessEditor.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventType.h"
#include "engine/StringConversion.h"
#include "game/BodyKinds.h"
#include "game/ButtonClick.h"
#include "game/ButtonId.h"
#include "game/CaptionLayout.h"
#include "game/EditorMarks.h"
#include "game/GameFiles.h"
#include "game/GeneratorSigns.h"
#include "game/PlayerLevels.h"
#include "game/ProcessCountdown.h"
#include "game/ProcessGame.h"
#include "game/ScreenLayout.h"
#include "game/TextCard.h"
#include "graphics/Font.h"
#include "graphics/Interface.h"
#include "graphics/PlayField.h"
#include "widgets/Image.h"
#include "widgets/Label.h"
#include "widgets/Meter.h"
#include "widgets/Panel.h"
#include "widgets/TextButton.h"
#include "widgets/TextField.h"
#include "widgets/TileButton.h"
#include "world/HeartKinds.h"
#include "world/LevelCaption.h"
#include "world/World.h"

#include <SDL.h>

#include <cmath>
#include <cstdio>
#include <utility>

namespace
{
using Layout = ScreenLayout;
using Property = LevelEditing::Property;

const int listenedTypes[] = {ButtonClicked, MouseDown, MouseMove, MouseUp,
                             KeyDown,       KeyUp,     Tick,      ProcessStopped};
// The generator's tile holds a sign standing this far in from the tile's left edge, its arrow across the
// tile.
constexpr float tileSignInset = 14;
constexpr float tilePictureShare = 0.8f;
// Room below the panel's last row, in field units.
constexpr float panelMargin = 6;
// The level's problems stand in the field's upper left corner, each on two lines at most.
constexpr float problemsLeft = 8;
constexpr std::size_t linesAProblem = 2;

std::string tenths(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(std::fabs(value)));
    return text;
}

std::string whole(float value)
{
    return intToString(static_cast<int>(std::lround(std::fabs(value))));
}

std::string heartsText(int hearts)
{
    return intToString(hearts) + (hearts == 1 ? " HEART" : " HEARTS");
}

int stepId(Property property, bool more)
{
    return firstStepButton + 2 * static_cast<int>(property) + (more ? 1 : 0);
}

// The verdict's lines: its headline, then what the proof found out.
std::vector<std::string> verdictLines(const ProofResult& result)
{
    switch (result.verdict)
    {
    case ProofResult::Verdict::WonWithoutHearts:
        return {"WON WITHOUT HEARTS", "THE FLOW REACHES THE GOAL UNTOUCHED: MOVE SOMETHING OUT OF ITS WAY"};
    case ProofResult::Verdict::Unsolved:
        return {"NOT SOLVED IN " + intToString(LevelProver::defaultSeconds) + " SECONDS",
                "THE BEST TRY CAPTURED " + intToString(result.captured) + " WITH " +
                    heartsText(result.hearts)};
    case ProofResult::Verdict::Failed:
        return {"NO PROOF", result.problem};
    case ProofResult::Verdict::Solved:
        break;
    }
    std::vector<std::string> lines{"SOLVED WITH " + heartsText(result.hearts)};
    if (!result.measured)
    {
        lines.push_back("THE TIME RAN OUT BEFORE IT WAS MEASURED");
        return lines;
    }
    lines.push_back("STILL WON WITH " + intToString(result.steadyTrials) + " OF " +
                    intToString(result.nudgeTrials) + " NUDGES OF ITS HEARTS");
    std::string singles = "SINGLE HEARTS THAT WIN: " + intToString(result.singleWins);
    for (std::size_t kind = 0; kind < result.singlePercent.size() && kind < HeartKinds::count; ++kind)
        singles += std::string(kind == 0 ? ", " : " AND ") + HeartKinds::all[kind].name + " " +
                   tenths(static_cast<float>(result.singlePercent[kind]));
    lines.push_back(singles + " PERCENT");
    if (result.pairWins)
        lines.push_back("PAIRS THAT WIN: " + intToString(*result.pairWins));
    return lines;
}
} // namespace

ProcessEditor::ProcessEditor(LevelDraft draft, std::string levelName)
    : editing(std::move(draft)), name(std::move(levelName)),
      fileProblems(editing.getDraft().getReadProblems())
{
}

ProcessEditor::~ProcessEditor() = default;

const std::string& ProcessEditor::getName() const
{
    return name;
}

void ProcessEditor::start()
{
    Process::start();
    for (int type : listenedTypes)
        listen(type);
    show();
}

void ProcessEditor::stop()
{
    prover.cancel();
    verdictCard.hide();
    captionPreview.hide();
    Process::stop();
}

void ProcessEditor::handleEvent(Event& event)
{
    if (event.type == ProcessStopped)
        gameStopped(event.getObject());
    else if (event.type == Tick)
    {
        ticked();
        if (stale && !game)
            show();
    }
    else if (game)
        return;
    else if (event.type == ButtonClicked)
        buttonClicked(stringToInt(event.getParameter(0)));
    else if (event.type == MouseDown && stringToInt(event.getParameter(2)) == SDL_BUTTON_LEFT)
        mousePressed(static_cast<float>(stringToInt(event.getParameter(0))),
                     static_cast<float>(PlayField::yFromWindow(stringToInt(event.getParameter(1)))));
    else if (event.type == MouseMove && dragged != LevelEditing::Part::Nothing)
        mouseMoved(static_cast<float>(stringToInt(event.getParameter(0))),
                   static_cast<float>(PlayField::yFromWindow(stringToInt(event.getParameter(1)))));
    else if (event.type == MouseUp)
        dragged = LevelEditing::Part::Nothing;
    else if (event.type == KeyDown)
        keyPressed(stringToInt(event.getParameter(0)), stringToInt(event.getParameter(1)),
                   stringToInt(event.getParameter(2)));
    else if (event.type == KeyUp && stringToInt(event.getParameter(0)) == SDLK_ESCAPE)
    {
        if (adding || fieldWithKeys != 0)
        {
            adding.reset();
            focusField(0);
        }
        else
            ButtonClick::post(EditorBack);
    }
}

void ProcessEditor::buttonClicked(int id)
{
    if (id != EditorBack)
        leaveAsked = false;
    if (id >= firstStepButton && id < firstStepButton + 2 * (static_cast<int>(Property::Spin) + 1))
    {
        const int offset = id - firstStepButton;
        editing.stepChosen(static_cast<Property>(offset / 2), offset % 2 == 1 ? 1 : -1);
        changed();
    }
    else if (id == AddGenerator ||
             (id >= firstBodyKindTile && id < firstBodyKindTile + static_cast<int>(BodyKinds::count)))
    {
        const LevelEditing::Pick armed =
            id == AddGenerator ? LevelEditing::Pick{LevelEditing::Part::Generator, 0}
                               : LevelEditing::Pick{LevelEditing::Part::Body,
                                                    static_cast<std::size_t>(id - firstBodyKindTile)};
        const bool again = adding && adding->part == armed.part && adding->index == armed.index;
        adding = again ? std::nullopt : std::optional<LevelEditing::Pick>(armed);
        say(adding ? "CLICK ON THE FIELD TO PLACE IT" : "");
    }
    else if (id == NextBodyKind && editing.getChosen().part == LevelEditing::Part::Body)
    {
        const LevelEditing::Pick chosen = editing.getChosen();
        const std::size_t kind = BodyKinds::withPicture(editing.getDraft().bodies[chosen.index].textureName);
        editing.setChosenKind(kind + 1 >= BodyKinds::count ? 0 : kind + 1);
        changed();
    }
    else if (id == DeleteChosen)
    {
        editing.deleteChosen();
        changed();
    }
    else if (id == TitleField || id == HintField)
        focusField(id);
    else if (id == EditorUndo)
    {
        say(editing.undo() ? "" : "NOTHING TO UNDO");
        changed();
    }
    else if (id == EditorText)
    {
        mode = mode == Mode::Text ? Mode::Field : Mode::Text;
        focusField(mode == Mode::Text ? TitleField : 0);
    }
    else if (id == EditorPlay)
        play();
    else if (id == EditorProve)
        prove();
    else if (id == EditorSave)
        save();
    else if (id == EditorBack)
        leave();
}

void ProcessEditor::mousePressed(float x, float y)
{
    const bool onPanel = editing.getChosen().part != LevelEditing::Part::Nothing && x >= Layout::panelLeft &&
                         y >= panelBottom();
    if (mode == Mode::Text || y < Layout::bottomBarTop || onPanel)
        return;
    leaveAsked = false;
    if (verdict)
    {
        verdict.reset();
        stale = true;
        return;
    }
    if (adding)
    {
        if (adding->part == LevelEditing::Part::Generator)
            editing.addGenerator(x, y);
        else
            editing.addBody(adding->index, x, y);
        adding.reset();
        say("");
        changed();
        return;
    }
    const LevelEditing::Pick pick = editing.pickAt(x, y);
    editing.choose(pick);
    dragged = pick.part;
    if (pick.part == LevelEditing::Part::Generator)
        grabOffset = editing.getDraft().generators[pick.index].position - Vector3(x, y, 0);
    else if (pick.part == LevelEditing::Part::Body)
        grabOffset = editing.getDraft().bodies[pick.index].position - Vector3(x, y, 0);
    if (pick.part != LevelEditing::Part::Nothing)
        editing.remember();
    stale = true;
}

void ProcessEditor::mouseMoved(float x, float y)
{
    if (dragged == LevelEditing::Part::Aim)
        editing.aimChosenAt(x, y);
    else
        editing.moveChosenTo(x + grabOffset.x, y + grabOffset.y);
    changed();
}

void ProcessEditor::keyPressed(int key, int character, int modifiers)
{
    if (fieldWithKeys != 0)
        typed(key, character);
    else if (key == SDLK_DELETE || key == SDLK_BACKSPACE)
        ButtonClick::post(DeleteChosen);
    else if (key == SDLK_z && (modifiers & KMOD_CTRL) != 0)
        ButtonClick::post(EditorUndo);
}

void ProcessEditor::typed(int key, int character)
{
    // Keys typed in the frame the text was opened come before the fields' first showing.
    if (!titleField)
        show();
    TextField& field = fieldWithKeys == TitleField ? *titleField : *hintField;
    if (key == SDLK_RETURN || key == SDLK_KP_ENTER || key == SDLK_TAB)
    {
        focusField(&field == titleField.get() ? HintField : 0);
        return;
    }
    if (key == SDLK_BACKSPACE)
        field.erase();
    else if (character > 0 && character < 128)
        field.type(static_cast<char>(character));
    if (&field == titleField.get())
        editing.setTitle(field.getText());
    else
        editing.setHint(field.getText());
    changed();
}

void ProcessEditor::ticked()
{
    if (!proving)
        return;
    const LevelProver::State state = prover.poll();
    if (const auto* progress = std::get_if<LevelProver::Progress>(&state))
    {
        if (proofMeter)
            proofMeter->value = static_cast<float>(progress->fraction);
        if (proofPhase)
            proofPhase->setText(TextCard::fitted("PROVING: " + progress->phase, 400, Layout::messageScale));
    }
    else if (const auto* result = std::get_if<ProofResult>(&state))
        proofEnded(*result);
}

void ProcessEditor::gameStopped(const Handle<Object>& stopped)
{
    if (!game || stopped != game)
        return;
    game = nullptr;
    stale = true;
}

void ProcessEditor::show()
{
    stale = false;
    Handle<Interface> interface = Core::instance()->getInterface();
    verdictCard.hide();
    verdictCard = TextCard();
    captionPreview.hide();
    captionPreview = TextCard();
    interface->clear();
    proofMeter = nullptr;
    proofPhase = nullptr;
    const LevelDraft& draft = editing.getDraft();
    Core::instance()->getWorld()->setLevel(draft.generators, draft.bodies);
    add(new GeneratorSigns(draft.generators));
    const LevelEditing::Pick chosen = editing.getChosen();
    if (chosen.part == LevelEditing::Part::Generator)
        add(new EditorMarks(draft.generators[chosen.index].position, GeneratorSigns::ringRadius,
                            editing.aimOf(chosen.index)));
    else if (chosen.part == LevelEditing::Part::Body)
        add(new EditorMarks(draft.bodies[chosen.index].position, draft.bodies[chosen.index].radius,
                            std::nullopt));
    if (mode == Mode::Text)
        showTextMode();
    else
    {
        titleField = nullptr;
        hintField = nullptr;
        showProblems();
        showPanel();
    }
    showBar();
    showProof();
}

void ProcessEditor::showBar()
{
    add(new Image(GameFiles::bottomBarPicture, Layout::bottomBarOpacity, Layout::bottomBarCentre));
    const auto tile = [&](int id, std::size_t slot)
    {
        const float left =
            Layout::firstAddTileLeft + static_cast<float>(slot) * (Layout::addTileSize + Layout::addTileGap);
        Handle<TileButton> button(new TileButton(id, left, Layout::addTileBottom, left + Layout::addTileSize,
                                                 Layout::addTileBottom + Layout::addTileSize, {}, true));
        const bool armed =
            adding &&
            (id == AddGenerator ? adding->part == LevelEditing::Part::Generator
                                : adding->part == LevelEditing::Part::Body &&
                                      adding->index == static_cast<std::size_t>(id - firstBodyKindTile));
        button->setFocused(armed);
        add(button);
        return Vector3(left + Layout::addTileSize / 2, Layout::addTileBottom + Layout::addTileSize / 2, 0);
    };
    const Vector3 generatorTile = tile(AddGenerator, 0);
    Generator sample;
    sample.position = Vector3(generatorTile.x - Layout::addTileSize / 2 + tileSignInset, generatorTile.y, 0);
    sample.velocity = LevelEditing::newVelocity;
    sample.remaining = 1;
    add(new GeneratorSigns({sample}));
    for (std::size_t kind = 0; kind < BodyKinds::count; ++kind)
    {
        const Vector3 centre = tile(firstBodyKindTile + static_cast<int>(kind), kind + 1);
        const float side = Layout::addTileSize * tilePictureShare;
        add(new Image(BodyKinds::all[kind].picture, 1, centre, Vector3(side, side, 0)));
    }
    const char* texts[] = {
        "UNDO", mode == Mode::Text ? "DONE" : "TEXT", "PLAY", proving ? "STOP" : "PROVE", "SAVE", "BACK"};
    const int ids[] = {EditorUndo, EditorText, EditorPlay, EditorProve, EditorSave, EditorBack};
    float left = Layout::editorButtonsLeft;
    for (std::size_t button = 0; button < std::size(ids); ++button)
    {
        add(new TextButton(ids[button], texts[button], Vector3(left, Layout::editorButtonsTop, 0),
                           Layout::editorButtonScale, Layout::editorButtonScale));
        left += TextCard::lineWidth(texts[button], Layout::editorButtonScale) + Layout::editorButtonGap;
    }
    add(new Label(
        TextCard::fitted(statusText(), PlayField::width - Layout::statusTopLeft.x, Layout::statusScale),
        Layout::statusScale, Layout::statusScale, Layout::statusTopLeft, Layout::white));
}

void ProcessEditor::showPanel()
{
    const LevelEditing::Pick chosen = editing.getChosen();
    if (chosen.part == LevelEditing::Part::Nothing)
        return;
    const bool body = chosen.part == LevelEditing::Part::Body;
    add(new Panel(Layout::panelLeft, panelBottom(), Layout::panelRight, Layout::panelTop));
    if (!body)
    {
        showPanelRow(0, "PARTICLES", whole(editing.valueOf(Property::Particles)),
                     stepId(Property::Particles, false), stepId(Property::Particles, true));
        showPanelRow(1, "SPEED", tenths(editing.valueOf(Property::Speed)), stepId(Property::Speed, false),
                     stepId(Property::Speed, true));
        showPanelRow(2, "AIM: DRAG THE WHITE DISC", "", 0, 0);
        showPanelRow(3, "", "", DeleteChosen, 0);
        return;
    }
    const std::size_t kind = BodyKinds::withPicture(editing.getDraft().bodies[chosen.index].textureName);
    showPanelRow(0, "KIND", kind == BodyKinds::none ? "OTHER" : BodyKinds::all[kind].name, 0, NextBodyKind);
    showPanelRow(1, "RADIUS", whole(editing.valueOf(Property::Radius)), stepId(Property::Radius, false),
                 stepId(Property::Radius, true));
    const float strength = editing.valueOf(Property::Strength);
    showPanelRow(2, "STRENGTH", (strength < 0 ? "PUSH " : "PULL ") + whole(strength),
                 stepId(Property::Strength, false), stepId(Property::Strength, true));
    const float spin = editing.valueOf(Property::Spin);
    showPanelRow(3, "SPIN", spin == 0 ? "NONE" : tenths(spin) + (spin > 0 ? " LEFT" : " RIGHT"),
                 stepId(Property::Spin, false), stepId(Property::Spin, true));
    showPanelRow(4, "", "", DeleteChosen, 0);
}

// A generator's panel has four rows (particles, speed, the aim's hint, DELETE), a body's five (kind, radius,
// strength, spin, DELETE).
float ProcessEditor::panelBottom() const
{
    const int rows = editing.getChosen().part == LevelEditing::Part::Body ? 5 : 4;
    return Layout::panelTop - Layout::panelRowHeight * static_cast<float>(rows) - panelMargin;
}

// A row of the panel: its name, its value, and LESS and MORE for ids that are not 0; the kind's row has NEXT
// for MORE, and the last row DELETE for LESS.
void ProcessEditor::showPanelRow(int row, const std::string& rowName, const std::string& value, int lessId,
                                 int moreId)
{
    const float scale = Layout::panelScale;
    const float top = Layout::panelTop - 4 - Layout::panelRowHeight * static_cast<float>(row);
    const float nameLeft = Layout::panelLeft + 8;
    add(new Label(rowName, scale, scale, Vector3(nameLeft, top, 0), Layout::white));
    add(new Label(value, scale, scale, Vector3(Layout::panelValueLeft, top, 0), Layout::wonColour));
    if (lessId == DeleteChosen)
        add(new TextButton(DeleteChosen, "DELETE", Vector3(nameLeft, top, 0), scale, scale));
    else if (lessId != 0)
        add(new TextButton(lessId, "LESS", Vector3(Layout::panelLessLeft, top, 0), scale, scale));
    if (moreId != 0)
        add(new TextButton(moreId, moreId == NextBodyKind ? "NEXT" : "MORE",
                           Vector3(Layout::panelMoreLeft, top, 0), scale, scale));
}

void ProcessEditor::showTextMode()
{
    const LevelDraft& draft = editing.getDraft();
    const LevelCaption caption =
        LevelCaption::findIn(std::string(LevelCaption::titleKeyword) + " " + draft.title + "\n" +
                             LevelCaption::hintKeyword + " " + draft.hint + "\n");
    const std::string heading = CaptionLayout::playerLevelHeading;
    const CaptionLayout::Placement placement =
        CaptionLayout::place(caption, heading, *Core::instance()->getWorld());
    ProcessCountdown::addCaptionLines(captionPreview, caption, placement.captionWidth);
    captionPreview.show(placement.captionTop, placement.captionCentre);
    add(new Label(CaptionLayout::countdownText(heading, ProcessCountdown::firstSecond), Layout::overlayScale,
                  Layout::overlayScale, placement.countdownTopLeft, Layout::overlayColour));
    const float scale = Layout::textFieldScale;
    const float titleBottom = Layout::titleFieldTop - Layout::textFieldHeight;
    titleField = new TextField(TitleField, "TITLE", Layout::textFieldLeft, titleBottom,
                               Layout::textFieldRight, Layout::titleFieldTop, scale, longestTitle);
    const float hintTop = titleBottom - Layout::textFieldGap;
    hintField = new TextField(HintField, "HINT", Layout::textFieldLeft, hintTop - Layout::textFieldHeight,
                              Layout::textFieldRight, hintTop, scale, longestHint);
    titleField->setText(draft.title);
    hintField->setText(draft.hint);
    titleField->setFocused(fieldWithKeys == TitleField);
    hintField->setFocused(fieldWithKeys == HintField);
    add(titleField);
    add(hintField);
}

void ProcessEditor::showProof()
{
    if (proving)
    {
        proofPhase = new Label("PROVING", Layout::messageScale, Layout::messageScale,
                               Layout::proofMeterTopLeft + Vector3(0, 30, 0), Layout::white);
        proofMeter = new Meter(GameFiles::meterEmptyPicture, GameFiles::meterFullPicture, 0,
                               Layout::proofMeterTopLeft);
        add(proofPhase);
        add(proofMeter);
    }
    else if (verdict)
    {
        const std::vector<std::string> lines = verdictLines(*verdict);
        for (std::size_t line = 0; line < lines.size(); ++line)
        {
            const float scale = line == 0 ? Layout::verdictScale : Layout::verdictDetailScale;
            verdictCard.addLine(TextCard::fitted(lines[line], CaptionLayout::shownWidth, scale), scale,
                                line == 0 ? Layout::magenta : Layout::white);
        }
        verdictCard.show(Layout::verdictTop);
    }
}

void ProcessEditor::showProblems()
{
    std::vector<std::string> problems = fileProblems;
    for (std::string& problem : editing.getDraft().playProblems())
        problems.push_back(std::move(problem));
    const float scale = Layout::statusScale;
    const auto columns =
        static_cast<std::size_t>((Layout::panelLeft - 2 * problemsLeft) / (Font::glyphWidthPixels * scale));
    std::vector<std::string> lines;
    for (const std::string& problem : problems)
        for (const std::string& line :
             LevelCaption::wrap(LevelCaption::drawable(problem), columns, linesAProblem))
            lines.push_back(line);
    for (std::size_t index = 0; index < lines.size() && index < problemLinesShown; ++index)
        add(new Label(lines[index], scale, scale,
                      Vector3(problemsLeft,
                              Layout::panelTop - static_cast<float>(index) * Font::glyphHeightPixels * scale,
                              0),
                      Layout::problemColour));
}

void ProcessEditor::add(Handle<Widget> widget)
{
    Core::instance()->getInterface()->addWidget(widget);
}

void ProcessEditor::changed()
{
    verdict.reset();
    stale = true;
}

void ProcessEditor::leave()
{
    if (editing.isChanged() && !leaveAsked)
    {
        leaveAsked = true;
        say(leaveAskText);
        return;
    }
    finished = true;
}

void ProcessEditor::play()
{
    const std::optional<std::string> trial = PlayerLevels::writeTrial(editing.getDraft());
    if (!trial)
    {
        say("THE LEVEL COULD NOT BE WRITTEN FOR PLAY");
        return;
    }
    verdictCard.hide();
    captionPreview.hide();
    focusField(0);
    game = new ProcessGame(ProcessGame::OwnLevel{*trial, std::string()});
    addChild(game);
}

void ProcessEditor::prove()
{
    verdict.reset();
    if (proving)
    {
        prover.cancel();
        proving = false;
        say("PROOF STOPPED");
        return;
    }
    provedText = editing.getDraft().text();
    prover.start(editing.getDraft());
    proving = true;
    say("");
}

void ProcessEditor::save()
{
    const std::string savedName = name.empty() ? PlayerLevels::freeName() : name;
    if (!PlayerLevels::save(editing.getDraft(), savedName))
    {
        say("COULD NOT SAVE " + savedName);
        return;
    }
    name = savedName;
    editing.markSaved();
    fileProblems.clear();
    say("SAVED AS " + savedName);
}

void ProcessEditor::proofEnded(const ProofResult& result)
{
    proving = false;
    verdict = result;
    if (result.verdict == ProofResult::Verdict::Solved && !result.solution.empty() &&
        editing.getDraft().text() == provedText)
    {
        editing.setSolution(result.solution);
        message = "THE SOLUTION IS WRITTEN INTO THE LEVEL";
    }
    stale = true;
}

void ProcessEditor::focusField(int id)
{
    if (id != 0 && fieldWithKeys == 0)
        editing.remember();
    fieldWithKeys = id;
    stale = true;
}

void ProcessEditor::say(const std::string& text)
{
    message = text;
    stale = true;
}

std::string ProcessEditor::statusText() const
{
    std::string status = name.empty() ? "NEW LEVEL" : name;
    // A file the game reads otherwise than it is written is saved only once it is written as it reads.
    const bool saved = !name.empty() && !editing.isChanged() && fileProblems.empty();
    status += saved ? ", SAVED" : std::string(", ") + notSavedText;
    return message.empty() ? status : status + ": " + message;
}
