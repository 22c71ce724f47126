#include "game/ProcessMenu.h"

#include "engine/Core.h"
#include "engine/GameFiles.h"
#include "game/ButtonId.h"
#include "graphics/Font.h"
#include "graphics/Interface.h"
#include "widgets/Image.h"
#include "widgets/Label.h"
#include "widgets/TextButton.h"
#include "world/World.h"

#include <string>

namespace
{
constexpr float centreX = 400;
constexpr float titleY = 500;
constexpr float titleScale = 1.5f;
constexpr float firstButtonY = 400;
const char* const buttonTexts[] = {"NEW GAME", "CONTINUE", "INSTRUCTIONS", "QUIT"};

// The left edge that centres a line of `length` cells of `cellWidth` on the field; halves are whole.
float centredLeft(int length, float cellWidth)
{
    return centreX - static_cast<float>(length / 2) * cellWidth;
}
} // namespace

void ProcessMenu::start()
{
    Process::start();
    Handle<Interface> interface = Core::instance()->getInterface();
    interface->clear();
    listenForButtons();
    const int glyphWidth = Core::instance()->getFont()->getGlyphWidth();
    const int glyphHeight = Core::instance()->getFont()->getGlyphHeight();
    Core::instance()->getWorld()->load(GameFiles::backgroundLevel);

    interface->addWidget(new Image(GameFiles::menuPanelPicture, 0.7f, Vector3(400, 300, 0)));
    const std::string title = "LUMORA";
    interface->addWidget(
        new Label(title, titleScale, titleScale,
                  Vector3(centredLeft(static_cast<int>(title.size()), glyphWidth * titleScale), titleY, 0),
                  Vector3(1, 0, 1)));
    for (int id = NewGame; id <= Quit; ++id)
    {
        const std::string text = buttonTexts[id];
        const Vector3 position(centredLeft(static_cast<int>(text.size()), static_cast<float>(glyphWidth)),
                               firstButtonY - static_cast<float>(id * glyphHeight), 0);
        interface->addWidget(new TextButton(id, text, position, 1, 1));
    }
}
