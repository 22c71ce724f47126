#include "game/ProcessMenu.h"

#include "engine/Core.h"
#include "game/ButtonId.h"
#include "game/GameFiles.h"
#include "game/ScreenLayout.h"
#include "graphics/Font.h"
#include "graphics/Interface.h"
#include "graphics/PlayField.h"
#include "widgets/Image.h"
#include "widgets/Label.h"
#include "widgets/TextButton.h"
#include "world/World.h"

#include <string>
#include <utility>

namespace
{
// In the order they stand, top to bottom.
const std::pair<int, const char*> buttons[] = {
    {NewGame, "NEW GAME"}, {Continue, "CONTINUE"}, {Instructions, "INSTRUCTIONS"},
    {Quit, "QUIT"},        {Levels, "LEVELS"},     {Options, "OPTIONS"}};

// The left edge that centres a line of `length` glyphs at `scale` on the menu; halves are whole.
float centredLeft(std::size_t length, float scale)
{
    return ScreenLayout::menuCentreX - static_cast<float>(length / 2) * Font::glyphWidthPixels * scale;
}
} // namespace

void ProcessMenu::start()
{
    Process::start();
    Handle<Interface> interface = Core::instance()->getInterface();
    interface->clear();
    listenForButtons();
    Core::instance()->getWorld()->load(GameFiles::backgroundLevel);

    using Layout = ScreenLayout;
    interface->addWidget(
        new Image(GameFiles::menuPanelPicture, Layout::menuPanelOpacity, Layout::menuPanelCentre));
    const std::string title = "LUMORA";
    interface->addWidget(
        new Label(title, Layout::menuTitleScale, Layout::menuTitleScale,
                  Vector3(centredLeft(title.size(), Layout::menuTitleScale), Layout::menuTitleTop, 0),
                  Layout::menuTitleColour));
    float top = Layout::menuFirstButtonTop;
    for (const auto& [id, caption] : buttons)
    {
        const std::string text = caption;
        const Vector3 position(centredLeft(text.size(), Layout::menuButtonScale), top, 0);
        interface->addWidget(
            new TextButton(id, text, position, Layout::menuButtonScale, Layout::menuButtonScale));
        top -= Layout::menuButtonSpacing;
    }
    const std::string version = std::string("V") + LUMORA_VERSION;
    const float versionWidth =
        static_cast<float>(version.size()) * Font::glyphWidthPixels * Layout::versionScale;
    interface->addWidget(
        new Label(version, Layout::versionScale, Layout::versionScale,
                  Vector3(PlayField::width - Layout::versionMargin - versionWidth, Layout::versionTop, 0),
                  Layout::versionColour));
}
