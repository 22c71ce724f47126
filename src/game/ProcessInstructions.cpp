#include "game/ProcessInstructions.h"

#include "engine/Core.h"
#include "engine/Event.h"
#include "engine/EventType.h"
#include "engine/StringConversion.h"
#include "game/ButtonClick.h"
#include "game/ButtonId.h"
#include "game/GameFiles.h"
#include "game/ScreenLayout.h"
#include "graphics/Interface.h"
#include "widgets/Image.h"
#include "widgets/TextButton.h"

#include <SDL.h>

void ProcessInstructions::start()
{
    Process::start();
    Handle<Interface> interface = Core::instance()->getInterface();
    interface->clear();
    interface->addWidget(new Image(GameFiles::instructionsPicture, ScreenLayout::instructionsOpacity,
                                   ScreenLayout::instructionsCentre));
    interface->addWidget(new TextButton(Back, "BACK", ScreenLayout::backButtonTopLeft,
                                        ScreenLayout::backButtonScale, ScreenLayout::backButtonScale));
    listenForButtons();
    listen(KeyUp);
}

void ProcessInstructions::handleEvent(Event& event)
{
    if (event.type == KeyUp && stringToInt(event.getParameter(0)) == SDLK_ESCAPE)
    {
        ButtonClick::post(Back);
        return;
    }
    ButtonScreen::handleEvent(event);
}
