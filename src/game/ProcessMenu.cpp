#include "game/ProcessMenu.h"

#include "engine/Core.h"
#include "game/ButtonId.h"
#include "game/GameFiles.h"
#include "game/ScreenLayout.h"
#include "graphics/Font.h"
#include "graphics/Interface.h"
#include "widgets/Image.h"
#include "widgets/Label.h"
#include "widgets/TextButton.h"
#include "world/World.h"

#include <string>

namespace
{
const char* const buttonTexts[] = {"NEW GAME", "CONTINUE", "INSTRUCTIONS", "QUIT"};

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
    for (int id = NewGame; id <= Quit; ++id)
    {
        const std::string text = buttonTexts[id];
        const Vector3 position(
            centredLeft(text.size(), Layout::menuButtonScale),
            Layout::menuFirstButtonTop - static_cast<float>(id) * Layout::menuButtonSpacing, 0);
        interface->addWidget(
            new TextButton(id, text, position, Layout::menuButtonScale, Layout::menuButtonScale));
    }
}
