#include "game/ProcessOptions.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventType.h"
#include "engine/StringConversion.h"
#include "game/ButtonClick.h"
#include "game/ButtonId.h"
#include "game/ScreenLayout.h"
#include "graphics/Font.h"
#include "graphics/Interface.h"
#include "sound/SoundHandler.h"
#include "widgets/Label.h"
#include "widgets/TextButton.h"

#include <SDL.h>

#include <algorithm>

namespace
{
// "LESS", a blank, the value in a field of two, a blank, "MORE".
constexpr float glyph = Font::glyphWidthPixels * ScreenLayout::optionsScale;
constexpr float valueLeft = ScreenLayout::optionsValueLeft + 5 * glyph;
constexpr float moreLeft = valueLeft + 3 * glyph;

const char* onOff(bool on)
{
    return on ? "ON" : "OFF";
}

const char* yesNo(bool yes)
{
    return yes ? "YES" : "NO";
}
} // namespace

ProcessOptions::ProcessOptions() = default;

ProcessOptions::~ProcessOptions() = default;

void ProcessOptions::start()
{
    Process::start();
    listen(ButtonClicked);
    listen(KeyDown);
    listen(KeyUp);
    listen(Tick);
    settings = Settings::load();
    show();
}

void ProcessOptions::handleEvent(Event& event)
{
    switch (event.type)
    {
    case ButtonClicked:
        buttonClicked(stringToInt(event.getParameter(0)));
        break;
    case KeyDown:
        keyPressed(stringToInt(event.getParameter(0)));
        break;
    case KeyUp:
        if (stringToInt(event.getParameter(0)) == SDLK_ESCAPE)
            ButtonClick::post(Back);
        break;
    case Tick:
        if (Core::instance()->isFullscreen() != shownFullscreen)
            show();
        break;
    default:
        break;
    }
}

void ProcessOptions::show()
{
    using Layout = ScreenLayout;
    Handle<Interface> interface = Core::instance()->getInterface();
    interface->clear();
    const std::string title = "OPTIONS";
    interface->addWidget(
        new Label(title, Layout::levelsTitleScale, Layout::levelsTitleScale,
                  Vector3(Layout::fieldCentre.x - static_cast<float>(title.size()) * Font::glyphWidthPixels *
                                                      Layout::levelsTitleScale / 2,
                          Layout::optionsTitleTop, 0),
                  Layout::magenta));
    shownFullscreen = Core::instance()->isFullscreen();
    showRow(Music, "MUSIC", intToString(settings.musicVolume), MusicQuieter, MusicLouder);
    showRow(Effects, "EFFECTS", intToString(settings.effectsVolume), EffectsQuieter, EffectsLouder);
    showRow(Fullscreen, "FULL SCREEN", onOff(shownFullscreen), FullscreenSwitch, FullscreenSwitch);
    showRow(Ask, "ASK AT START", yesNo(settings.askAtStart), AskSwitch, AskSwitch);
    interface->addWidget(new TextButton(Back, "BACK", Layout::backButtonTopLeft, Layout::backButtonScale,
                                        Layout::backButtonScale));
}

// A volume shows LESS, its value and MORE; a yes or no setting shows its value as the one button.
void ProcessOptions::showRow(Row row, const std::string& name, const std::string& value, int lowerId,
                             int raiseId)
{
    using Layout = ScreenLayout;
    Handle<Interface> interface = Core::instance()->getInterface();
    const float top = Layout::optionsFirstRowTop - static_cast<float>(row) * Layout::optionsRowSpacing;
    const float scale = Layout::optionsScale;
    interface->addWidget(new Label(name, scale, scale, Vector3(Layout::optionsNameLeft, top, 0),
                                   row == chosen ? Layout::magenta : Layout::white));
    if (lowerId == raiseId)
    {
        interface->addWidget(
            new TextButton(lowerId, value, Vector3(Layout::optionsValueLeft, top, 0), scale, scale));
        return;
    }
    interface->addWidget(
        new TextButton(lowerId, "LESS", Vector3(Layout::optionsValueLeft, top, 0), scale, scale));
    const float rightAligned = valueLeft + static_cast<float>(2 - static_cast<int>(value.size())) * glyph;
    interface->addWidget(new Label(value, scale, scale, Vector3(rightAligned, top, 0), Layout::white));
    interface->addWidget(new TextButton(raiseId, "MORE", Vector3(moreLeft, top, 0), scale, scale));
}

void ProcessOptions::buttonClicked(int id)
{
    switch (id)
    {
    case MusicQuieter:
    case MusicLouder:
        change(Music, id == MusicLouder ? 1 : -1);
        break;
    case EffectsQuieter:
    case EffectsLouder:
        change(Effects, id == EffectsLouder ? 1 : -1);
        break;
    case FullscreenSwitch:
        change(Fullscreen, 1);
        break;
    case AskSwitch:
        change(Ask, 1);
        break;
    case Back:
        finished = true;
        break;
    default:
        break;
    }
}

void ProcessOptions::keyPressed(int key)
{
    if (key == SDLK_UP || key == SDLK_DOWN)
    {
        chosen = static_cast<Row>((chosen + (key == SDLK_DOWN ? 1 : rowCount - 1)) % rowCount);
        show();
    }
    else if (key == SDLK_LEFT || key == SDLK_RIGHT)
        change(chosen, key == SDLK_RIGHT ? 1 : -1);
    else if (key == SDLK_RETURN || key == SDLK_KP_ENTER || key == SDLK_SPACE)
        change(chosen, 1);
}

void ProcessOptions::change(Row row, int step)
{
    const auto stepped = [step](int volume) { return std::clamp(volume + step, 0, Settings::loudest); };
    chosen = row;
    switch (row)
    {
    case Music:
        settings.musicVolume = stepped(settings.musicVolume);
        break;
    case Effects:
        settings.effectsVolume = stepped(settings.effectsVolume);
        break;
    case Fullscreen:
        settings.fullscreen = !Core::instance()->isFullscreen();
        Core::instance()->requestFullscreen(settings.fullscreen);
        break;
    case Ask:
        settings.askAtStart = !settings.askAtStart;
        break;
    case rowCount:
        break;
    }
    apply();
    show();
}

void ProcessOptions::apply()
{
    Handle<SoundHandler> sound = Core::instance()->getSoundHandler();
    sound->setMusicVolume(settings.musicVolume);
    sound->setEffectsVolume(settings.effectsVolume);
    settings.save();
}
